#include "plans/qt/example_pictures.h"

#include <QPainter>
#include <QStringList>

#include "plans/plan_check.h"
#include "plans/qt/panel_support.h"
#include "plans/qt/plan_column_header.h"

namespace ritmora {
namespace {

const QColor kFace(240, 240, 240);
const QColor kShadow(128, 128, 128);
const QColor kSelection(0, 0, 128);

// A sunken white box, as text boxes and lists are drawn.
QRect SunkenBox(QPainter& painter, const QRect& box) {
    painter.fillRect(box, Qt::white);
    painter.setPen(kShadow);
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(Qt::white);
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
    return box.adjusted(3, 2, -3, -2);
}

void Button(QPainter& painter, const QRect& box, const QString& caption) {
    painter.fillRect(box, kFace);
    painter.setPen(Qt::white);
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(kShadow);
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, caption);
}

QString CaptionOf(Language language, const char* control) {
    return Utf8(CaptionText(language, control)).trimmed();
}

}  // namespace

QStringList ExamplePlanLines() {
    QStringList lines;
    for (const std::vector<std::string>& fields :
         {std::vector<std::string>{"Birinci_hane", "165", "2", "4", "84"},
          std::vector<std::string>{"Teslim_ilk", "165", "1", "4", "84"},
          std::vector<std::string>{"Teslim_son", "165", "-48", "4", "84"},
          std::vector<std::string>{"Final", "165", "49-", "4", "84>50"}}) {
        lines << Utf8(PlanColumns(fields));
    }
    return lines;
}

QImage DrawSavedPlansExample(QSize size, Language language, const QFont& listFont,
                             const QFont& captionFont) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kFace);
    QPainter painter(&picture);
    const int buttonHeight = 22;
    const QRect listBox(0, 0, size.width(), size.height() - buttonHeight - 6);
    const QRect inside = SunkenBox(painter, listBox);
    painter.setFont(listFont);
    const int lineHeight = painter.fontMetrics().height();
    const QStringList files = {QStringLiteral("Huseyni Pesrevi Lavtaci Tavron.txt"),
                               QStringLiteral("Muhammes Calismasi.txt"),
                               QStringLiteral("Sofyan Isinma.txt")};
    for (int row = 0; row < files.size(); ++row) {
        const QRect line(inside.left(), inside.top() + row * lineHeight, inside.width(),
                         lineHeight);
        if (line.bottom() > inside.bottom()) break;
        if (row == 0) painter.fillRect(line, kSelection);
        painter.setPen(row == 0 ? Qt::white : Qt::black);
        painter.drawText(line.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, files[row]);
    }
    painter.setFont(captionFont);
    const int gap = 5;
    const int width = (size.width() - 2 * gap) / 3;
    const int top = size.height() - buttonHeight;
    const char* const buttons[] = {"Command4", "Command5", "Command10"};
    for (int i = 0; i < 3; ++i) {
        Button(painter, QRect(i * (width + gap), top, width, buttonHeight),
               CaptionOf(language, buttons[i]));
    }
    return picture;
}

QImage DrawSequencesExample(QSize size, Language language, const QFont& listFont,
                            const QFont& captionFont) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kFace);
    QPainter painter(&picture);
    painter.setFont(captionFont);
    painter.setPen(Qt::black);
    const int boxHeight = 20;
    const QString nameLabel = CaptionOf(language, "Label9");
    const int labelWidth = painter.fontMetrics().horizontalAdvance(nameLabel) + 6;
    painter.drawText(QRect(0, 0, labelWidth, boxHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     nameLabel);
    const QRect nameBox(labelWidth, 0, size.width() * 2 / 3 - labelWidth, boxHeight);
    const QRect nameInside = SunkenBox(painter, nameBox);
    painter.setPen(Qt::black);
    painter.drawText(nameInside, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Hüseyni Peşrevi Lavtacı Tavron"));
    Button(painter, QRect(nameBox.right() + 6, 0, size.width() - nameBox.right() - 6, boxHeight),
           CaptionOf(language, "Command8"));

    const QRect header(0, boxHeight + 6, size.width(), 16);
    const QRect textBox(0, header.bottom() + 2, size.width(), size.height() - header.bottom() - 2);
    const QRect inside = SunkenBox(painter, textBox);
    painter.setPen(Qt::black);
    DrawPlanColumnHeader(painter, header, Utf8(CaptionText(language, "Label2")), listFont,
                         inside.left());
    painter.setFont(listFont);
    painter.setPen(Qt::black);
    const int lineHeight = painter.fontMetrics().height();
    const QStringList lines = ExamplePlanLines();
    for (int row = 0; row < lines.size(); ++row) {
        painter.drawText(
            QRect(inside.left(), inside.top() + row * lineHeight, inside.width(), lineHeight),
            Qt::AlignLeft | Qt::AlignVCenter, lines[row]);
    }
    return picture;
}

}  // namespace ritmora
