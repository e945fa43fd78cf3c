#include "notation/qt/notation_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace ritmora {

NotationView::NotationView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setMouseTracking(true);          // the ring number follows the mouse without a button held
    setFocusPolicy(Qt::ClickFocus);  // a click gives the notation the keys (undo, redo)
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void NotationView::SetPictureSize(int width, int height) {
    picture_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    picture_.fill(Qt::white);
    setFixedSize(width, height);
    update();
}

QSize NotationView::sizeHint() const { return picture_.isNull() ? QSize(0, 0) : picture_.size(); }

void NotationView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull()) painter.drawImage(QPoint(0, 0), picture_);
}

void NotationView::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit pressed(event->button(), static_cast<int>(std::floor(at.x())),
                 static_cast<int>(std::floor(at.y())));
}

void NotationView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit moved(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
}

}  // namespace ritmora
