#include "plans/qt/plan_column_header.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextCursor>

#include "plans/plan_check.h"

namespace ritmora {

void DrawPlanColumnHeader(QPainter& painter, const QRect& area, const QString& caption,
                          const QFont& columnFont, int firstColumnX) {
    static const QRegularExpression kGroupBreak(QStringLiteral("\\s{2,}"));
    const QStringList words = caption.trimmed().split(kGroupBreak, Qt::SkipEmptyParts);
    if (words.size() != static_cast<qsizetype>(kPlanColumns.size())) {
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, caption);
        return;
    }
    const QFontMetricsF columns(columnFont, painter.device());
    auto columnX = [&](std::size_t first) {
        return firstColumnX + columns.horizontalAdvance(QString(qsizetype(first - 1), u' '));
    };
    // One character between a word and the next column keeps the words apart, as the blank
    // between two fields does.
    const qreal gap = columns.horizontalAdvance(u' ');
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (std::size_t i = 0; i < kPlanColumns.size(); ++i) {
        const QString& word = words[static_cast<qsizetype>(i)];
        const qreal x = columnX(kPlanColumns[i].first);
        const qreal end = i + 1 < kPlanColumns.size() ? columnX(kPlanColumns[i + 1].first) - gap
                                                      : area.right() + 1;
        const qreal width = metrics.horizontalAdvance(word);
        painter.save();
        painter.translate(x, area.top());
        if (width > end - x && end > x) painter.scale((end - x) / width, 1.0);
        painter.drawText(QRectF(0, 0, width, area.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         word);
        painter.restore();
    }
}

PlanColumnHeader::PlanColumnHeader(QPlainTextEdit* planText, QWidget* parent)
    : QLabel(parent), planText_(planText) {
    // A text scrolled sideways takes its columns along; the header follows.
    connect(planText_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { update(); });
}

void PlanColumnHeader::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect start = planText_->cursorRect(QTextCursor(planText_->document()));
    const int firstColumnX = mapFromGlobal(planText_->viewport()->mapToGlobal(start.topLeft())).x();
    DrawPlanColumnHeader(painter, contentsRect(), text(), planText_->font(), firstColumnX);
}

}  // namespace ritmora
