#include "scripting/FindWindowByTitle.h"

#include "platform/runtime/FixedText.h"

namespace vl {

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

WindowHandle FindWindowByTitle(const QString& title, const QString& contents, bool exclHidden,
                               DesktopBackend& desktop)
{
    const QString pattern = title.startsWith(QLatin1Char('~')) ? title.mid(1) : title;
    const QString wanted = UpperClip(contents);
    TopWindowQueue windows;
    ListTopWindows(windows, exclHidden, desktop);
    for (const TopWindowEntry& window : windows) {
        if (!TitleMatches(pattern, window.LINE))
            continue;
        if (wanted.isEmpty())
            return window.HANDLE;
        ChildWindowQueue children;
        ListChildWindows(children, window.HANDLE, desktop);
        for (const ChildWindowEntry& child : children) {
            if (child.LINE.toUpper().contains(wanted))
                return window.HANDLE;
        }
    }
    return 0;
}

} // namespace vl
