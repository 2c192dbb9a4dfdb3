#pragma once
// Dragging a column header of an Xplore list: once the pointer has moved
// sideways by more than half the header's height, a grey box with the
// header's text follows it; on release the box goes, and a list whose
// feature mask allows moving columns (bit 2000 hex) moves the column one
// place left or right when the box was dropped beyond the column's edge.
// A press on a column's border is a resize, not a drag.

#include <QObject>
#include <QPointer>

#include <functional>

class QHeaderView;
class QLabel;

namespace vl {

class HeaderDrag : public QObject {
    Q_OBJECT
public:
    // drop runs with the model column dragged and -1 (left) or +1 (right).
    HeaderDrag(QHeaderView* header, std::function<void(int section, int step)> drop);

    // The box while a drag shows it; nullptr otherwise.
    QLabel* Box() const;
    // The last release ended a drag: it is no click on the header.
    bool EndedDrag() const { return endedDrag_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Press(const QPoint& pos);
    void MoveTo(const QPoint& pos);
    void Release();

    QHeaderView* header_;
    QWidget* viewport_; // the header's, kept: events still come while the header is destroyed
    std::function<void(int, int)> drop_;
    QPointer<QLabel> box_;
    int section_ = -1; // the pressed section while armed
    int pressX_ = 0;
    int lastX_ = 0;
    bool endedDrag_ = false;
};

} // namespace vl
