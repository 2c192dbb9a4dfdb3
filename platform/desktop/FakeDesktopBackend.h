#pragma once
// A scripted desktop for tests: the windows it lists are the ones the test
// added, in the order they were added (the first is the topmost).

#include "platform/desktop/DesktopBackend.h"

namespace vl {

class FakeDesktopBackend : public DesktopBackend {
public:
    // Adds a window below those added before it: a top-level window when
    // parent is 0, else a child of parent.
    void AddWindow(const DesktopWindow& window, WindowHandle parent = 0);
    void SetActiveWindow(WindowHandle window) { active_ = window; }

    QList<DesktopWindow> TopLevelWindows() override;
    QList<DesktopWindow> ChildWindows(WindowHandle parent) override;
    WindowHandle ActiveWindow() override { return active_; }
    QString WindowTitle(WindowHandle window) override;

private:
    struct Entry {
        DesktopWindow window;
        WindowHandle parent = 0;
    };
    QList<Entry> entries_;
    WindowHandle active_ = 0;
};

} // namespace vl
