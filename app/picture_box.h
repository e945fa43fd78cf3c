#pragma once
// A picture box: an image shown at 1:1 that reports presses and clicks in picture pixels. The
// reference table, the progress bar, the unit-note box, the metronome grid and the export canvas
// are picture boxes.
#include <QImage>
#include <QWidget>

namespace ritmora {

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(const QString& name, QWidget* parent = nullptr);

    QImage& Picture() { return picture_; }
    const QImage& Picture() const { return picture_; }
    // A new image of the widget's size filled with `colour`.
    void ClearPicture(const QColor& colour);

  signals:
    void pressed(Qt::MouseButton button, int x, int y);
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace ritmora
