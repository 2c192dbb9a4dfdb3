#pragma once
// The window queues that script steps and window pickers read: the titled
// windows of the desktop with their handles and classes.

#include "platform/desktop/DesktopBackend.h"

#include <QList>
#include <QString>

namespace vl {

// Titles and classes are kept in CSTRING(255) fields: at most 254 characters.
inline constexpr int kWindowTextWidth = 254;

// One entry of TopWindowQueue (prefix WQ_).
struct TopWindowEntry {
    QString LINE; // the window's title
    WindowHandle HANDLE = 0;
    QString CLASS;
};
using TopWindowQueue = QList<TopWindowEntry>;

// One entry of ChildWindowQueue (prefix CQ_).
struct ChildWindowEntry {
    QString LINE; // the child's title
    QString CLASS;
    WindowHandle HANDLE = 0;
};
using ChildWindowQueue = QList<ChildWindowEntry>;

// Refills the queue with the titled top-level windows, topmost first;
// untitled ones are left out, and so are invisible ones when exclHidden (the
// "Exclude hidden windows" setting ExclHidden) is set.
void ListTopWindows(TopWindowQueue& queue, bool exclHidden, DesktopBackend& desktop = CurrentDesktop());

// Refills the queue with the titled descendants of a window, hidden ones
// included; empty when the window has none or does not exist.
void ListChildWindows(ChildWindowQueue& queue, WindowHandle parent,
                      DesktopBackend& desktop = CurrentDesktop());

} // namespace vl
