#include "xplore/windows/HeaderDrag.h"

#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>

namespace vl {

namespace {

// The colour of the box: grey, red, green and blue 128 each.
const char kBoxStyle[] = "background-color: #808080; color: white; padding-left: 2px;";

} // namespace

HeaderDrag::HeaderDrag(QHeaderView* header, std::function<void(int section, int step)> drop)
    : QObject(header), header_(header), viewport_(header->viewport()), drop_(std::move(drop))
{
    viewport_->installEventFilter(this);
}

QLabel* HeaderDrag::Box() const
{
    return box_ && box_->isVisible() ? box_.data() : nullptr;
}

bool HeaderDrag::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched != viewport_ ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease))
        return QObject::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
        Press(mouse->position().toPoint());
    else if (type == QEvent::MouseMove && section_ >= 0)
        MoveTo(mouse->position().toPoint());
    else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton)
        Release();
    return QObject::eventFilter(watched, event);
}

void HeaderDrag::Press(const QPoint& pos)
{
    section_ = -1;
    endedDrag_ = false;
    const int section = header_->logicalIndexAt(pos);
    if (section < 0)
        return;
    const int grip = header_->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, header_);
    const int left = header_->sectionViewportPosition(section);
    const int right = left + header_->sectionSize(section);
    if (pos.x() < left + grip || pos.x() > right - grip)
        return; // a border: the header resizes the column
    section_ = section;
    pressX_ = lastX_ = pos.x();
}

void HeaderDrag::MoveTo(const QPoint& pos)
{
    const int height = header_->height();
    lastX_ = pos.x();
    if (!Box() && std::abs(pos.x() - pressX_) <= height / 2)
        return;
    if (!box_) {
        box_ = new QLabel(header_->viewport());
        box_->setStyleSheet(QString::fromLatin1(kBoxStyle));
    }
    const int left = header_->sectionViewportPosition(section_);
    box_->setText(header_->model()->headerData(section_, Qt::Horizontal).toString());
    box_->setGeometry(left + 1 + (lastX_ - pressX_), 1, header_->sectionSize(section_) - 1, height - 1);
    box_->show();
    box_->raise();
}

void HeaderDrag::Release()
{
    const int section = section_;
    section_ = -1;
    if (section < 0 || !Box())
        return;
    box_->hide();
    endedDrag_ = true;
    const int left = header_->sectionViewportPosition(section);
    const int right = left + header_->sectionSize(section);
    if (lastX_ < left)
        drop_(section, -1);
    else if (lastX_ > right)
        drop_(section, +1);
}

} // namespace vl
