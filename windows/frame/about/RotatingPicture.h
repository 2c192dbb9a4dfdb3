#pragma once
// A picture that turns slowly while it is shown (the About window's
// animation).

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace vl {

class RotatingPicture : public QWidget {
    Q_OBJECT
public:
    RotatingPicture(const QPixmap& picture, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    int Angle() const { return angle_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    static constexpr int kStepDegrees = 10;
    static constexpr int kStepMilliseconds = 60;

    QPixmap picture_;
    QTimer timer_;
    int angle_ = 0;
};

} // namespace vl
