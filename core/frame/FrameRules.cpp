#include "core/frame/FrameRules.h"

#include "platform/runtime/Picture.h"
#include "platform/ui/PromptService.h"

#include <array>

namespace vl {

namespace {

constexpr int kDefaultTimer = 100;

} // namespace

int ClampTimerInterval(int hundredths)
{
    return hundredths < 1 || hundredths > kDefaultTimer ? kDefaultTimer : hundredths;
}

QString WeekdayName(Date date)
{
    static const std::array<const char*, 7> names = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                     "Thursday", "Friday", "Saturday"};
    return QString::fromLatin1(names.at(static_cast<size_t>(WeekdayOf(date))));
}

QString DateZoneText(Date today)
{
    return WeekdayName(today) + QStringLiteral(", ") + Picture::Format(today, QStringLiteral("@d3"));
}

QString ClockZoneText(ClockTime now)
{
    return Picture::Format(now, QStringLiteral("@t7"));
}

CloseAction DecideCloseRequest(bool minimizeOnCloseRequest, bool exitConfirmed)
{
    return minimizeOnCloseRequest && !exitConfirmed ? CloseAction::Iconize : CloseAction::Close;
}

bool ConfirmExit(bool minimizeOnCloseRequest)
{
    if (!minimizeOnCloseRequest)
        return true;
    return Prompt::Ask(QString::fromLatin1(kExitWarningText), QString::fromLatin1(kExitWarningCaption),
                       PromptIcon::Exclamation, ButtonYes | ButtonNo, ButtonYes)
        == ButtonYes;
}

} // namespace vl
