#include "scripting/WindowMatch.h"

#include "core/base/Globals.h"
#include "platform/runtime/FixedText.h"

namespace vl {
namespace {

bool ChildHolds(WindowHandle window, const QString& wanted, DesktopBackend& desktop)
{
    ChildWindowQueue children;
    ListChildWindows(children, window, desktop);
    for (const ChildWindowEntry& child : children) {
        if (child.LINE.toUpper().contains(wanted))
            return true;
    }
    return false;
}

// The program file name compared as a title is: clipped, case ignored.
bool ProgramMatches(const QString& pattern, WindowHandle window, DesktopBackend& desktop)
{
    const QString program = desktop.WindowProgram(window);
    return !program.isEmpty() && SameTextNoCase(pattern, program);
}

} // namespace

bool TitleMatches(const QString& pattern, const QString& title)
{
    const QString wanted = UpperClip(pattern);
    const QString shown = UpperClip(title);
    if (wanted == shown)
        return true;
    const qsizetype star = wanted.indexOf(QLatin1Char('*'));
    if (star == 0)
        return shown.contains(wanted.mid(1));
    return star > 0 && shown.startsWith(wanted.left(star));
}

WindowHandle FindWindowByTitle(const QString& title, const QString& contents, DesktopBackend& desktop)
{
    const QString pattern = title.startsWith(QLatin1Char('~')) ? title.mid(1) : title;
    if (Clip(pattern).isEmpty())
        return 0;
    const QString wanted = UpperClip(contents);
    TopWindowQueue windows;
    ListTopWindows(windows, ExclHidden != 0, desktop);
    const auto accepts = [&](WindowHandle window) {
        return wanted.isEmpty() || ChildHolds(window, wanted, desktop);
    };
    for (const TopWindowEntry& window : windows) {
        if (TitleMatches(pattern, window.LINE) && accepts(window.HANDLE))
            return window.HANDLE;
    }
    for (const TopWindowEntry& window : windows) {
        if (ProgramMatches(pattern, window.HANDLE, desktop) && accepts(window.HANDLE))
            return window.HANDLE;
    }
    return 0;
}

WindowHandle ActivateMatchingWindow(const QString& title, const QString& contents, DesktopBackend& desktop)
{
    const WindowHandle window = FindWindowByTitle(title, contents, desktop);
    return window != 0 && desktop.ActivateWindow(window) ? window : 0;
}

} // namespace vl
