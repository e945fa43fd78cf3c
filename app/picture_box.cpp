#include "app/picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace ritmora {

PictureBox::PictureBox(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
}

void PictureBox::ClearPicture(const QColor& colour) {
    picture_ = QImage(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    picture_.fill(colour);
    update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!picture_.isNull()) painter.drawImage(QPoint(0, 0), picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit pressed(event->button(), static_cast<int>(std::floor(at.x())),
                 static_cast<int>(std::floor(at.y())));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace ritmora
