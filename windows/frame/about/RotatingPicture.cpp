#include "windows/frame/about/RotatingPicture.h"

#include <QPainter>
#include <QtMath>

namespace vl {

RotatingPicture::RotatingPicture(const QPixmap& picture, QWidget* parent) : QWidget(parent), picture_(picture)
{
    timer_.setInterval(kStepMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] {
        angle_ = (angle_ + kStepDegrees) % 360;
        update();
    });
}

QSize RotatingPicture::sizeHint() const
{
    // Room for the picture at any angle.
    const int side = qCeil(qMax(picture_.width(), picture_.height()) * 1.42);
    return {side, side};
}

void RotatingPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(width() / 2.0, height() / 2.0);
    painter.rotate(angle_);
    painter.drawPixmap(-picture_.width() / 2, -picture_.height() / 2, picture_);
}

void RotatingPicture::showEvent(QShowEvent*) { timer_.start(); }
void RotatingPicture::hideEvent(QHideEvent*) { timer_.stop(); }

} // namespace vl
