#include "scheduler/engine/NextTaskTexts.h"

#include "scheduler/engine/DueTaskRules.h"
#include "core/base/Globals.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"

namespace vl {

void NextTaskTexts::Show(const ScheduleRecord* next)
{
    Shown now;
    if (next) {
        now.pending = true;
        now.description = next->Description;
        now.date = next->Date;
        now.time = next->Time;
        now.dateFormat = GlobalDateFormat;
        now.locale = Picture::DesktopLocale();
    }
    if (built_ && now == shown_)
        return;
    status_ = next ? NextTaskStatus(next->Description) : QString::fromLatin1(kNoTasksPending);
    trayTip_ = next ? NextTaskTrayTip(*next) : Clip(ProductName);
    shown_ = std::move(now);
    built_ = true;
}

} // namespace vl
