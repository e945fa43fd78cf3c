#pragma once
// The column header of the plan text (Label2): each word of its caption stands over the column
// of a saved plan line that it names, although the caption is in the window's proportional font
// and the plan text in a fixed-pitch one. A word wider than the room before the next column is
// drawn condensed, never over its neighbour.
#include <QLabel>

class QPainter;
class QPlainTextEdit;

namespace ritmora {

// Draws `caption` ("name   usul   times   unit   BpM", the word groups parted by two or more
// blanks) into `area` with the painter's font and pen, each group starting where its column
// starts in a line of `columnFont` whose first character stands at `firstColumnX`. A caption
// of another shape is drawn as it is.
void DrawPlanColumnHeader(QPainter& painter, const QRect& area, const QString& caption,
                          const QFont& columnFont, int firstColumnX);

class PlanColumnHeader : public QLabel {
  public:
    // `planText` is the box whose columns the header names.
    PlanColumnHeader(QPlainTextEdit* planText, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPlainTextEdit* planText_;
};

}  // namespace ritmora
