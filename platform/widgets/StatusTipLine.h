#pragma once
// The status line of a window that has no frame's status bar: it shows the
// status text of the control the mouse points at and, while none is pointed
// at, that of the control with the keyboard focus (the nearest status text
// among the control and the boxes holding it).

#include <QStatusBar>

namespace vl {

class StatusTipLine : public QStatusBar {
public:
    // A child of window; the window lays it out.
    explicit StatusTipLine(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowFocused();

    QWidget& window_;
};

} // namespace vl
