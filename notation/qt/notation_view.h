#pragma once
// The notation picture on screen: shows its image at 1:1 logical pixels and reports presses and
// moves in picture coordinates. Whoever draws into Picture() calls update() afterwards.
#include <QImage>
#include <QWidget>

namespace ritmora {

class NotationView : public QWidget {
    Q_OBJECT
  public:
    explicit NotationView(QWidget* parent = nullptr);

    QImage& Picture() { return picture_; }
    const QImage& Picture() const { return picture_; }
    // Replaces the image by a white one of this size and gives the widget the same size.
    void SetPictureSize(int width, int height);

    QSize sizeHint() const override;

  signals:
    void pressed(Qt::MouseButton button, int x, int y);
    void moved(int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace ritmora
