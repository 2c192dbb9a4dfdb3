#include "scripting/BuiltInKeywords.h"

#include "core/base/UserDate.h"
#include "platform/desktop/DesktopBackend.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"

namespace vl {
namespace {

// A window title is kept in a CSTRING(255): at most 254 characters.
constexpr int kFocusTitleWidth = 254;

QString TodayWithout(const char* picture)
{
    return Picture::Format(Today(), QString::fromLatin1(picture)).remove(u'-');
}

QString FocusTitle()
{
    DesktopBackend& desktop = CurrentDesktop();
    const WindowHandle active = desktop.ActiveWindow();
    return active == 0 ? QString() : CutTo(desktop.WindowTitle(active), kFocusTitleWidth);
}

} // namespace

QString CompactDate(Date date)
{
    const DayMonthYear parts = SplitDate(date);
    return QStringLiteral("%1%2%3")
        .arg(parts.year)
        .arg(parts.month, 2, 10, QLatin1Char('0'))
        .arg(parts.day, 2, 10, QLatin1Char('0'));
}

std::optional<QString> BuiltInKeywordValue(const QString& name)
{
    const QString key = UpperClip(name);
    if (key == u"YYYY-MM-DD")
        return Picture::Format(Today(), QStringLiteral("@D10-"));
    if (key == u"DD-MM-YY")
        return Picture::Format(Today(), QStringLiteral("@D05-"));
    if (key == u"MM-DD-YY")
        return Picture::Format(Today(), QStringLiteral("@D01-"));
    if (key == u"DDMMYY")
        return TodayWithout("@D05-");
    if (key == u"MMDDYY")
        return TodayWithout("@D01-");
    if (key == u"DATE")
        return CompactDate(Today());
    if (key == u"TODAY")
        return FormatUserDate(Today());
    if (key == u"YESTERDAY")
        return FormatUserDate(Today() - 1);
    if (key == u"TIME")
        return Picture::Format(Now(), QStringLiteral("@T5"));
    if (key == u"NOW")
        return Picture::Format(Now(), QStringLiteral("@T7"));
    if (key == u"FOCUS")
        return FocusTitle();
    return std::nullopt;
}

} // namespace vl
