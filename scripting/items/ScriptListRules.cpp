#include "scripting/items/ScriptListRules.h"

#include "core/base/UserDate.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "scripting/items/ScriptItemSequencer.h"

namespace vl {

QString ScriptListCaption(const ScheduleRecord& task)
{
    // A task without a category is named without the empty part.
    const QString category = Clip(task.Category);
    return QStringLiteral("Scripting - ") + (category.isEmpty() ? QString() : category + QStringLiteral(": "))
        + Clip(task.Description) + QLatin1Char(' ') + Clip(task.Command);
}

void FillScriptTaskTexts(ScheduleRecord& task)
{
    if (Clip(task.Command).isEmpty())
        task.Command = QLatin1String(kNoCommandText);
    if (Clip(task.Description).isEmpty())
        task.Description = QLatin1String(kScriptDescriptionStart) + FormatUserDate(Today());
}

ScriptListButtons EnabledScriptListButtons(int32_t taskId, int rows, int current)
{
    if (taskId == 0)
        return {};
    const bool onItem = rows > 0 && current >= 0 && current < rows;
    return {true, onItem, onItem && current > 0, onItem && current < rows - 1};
}

std::optional<int32_t> PlaceAddedItem(Table<ScriptingRecord>& scripting, int32_t taskId, int32_t remembered,
                                      int32_t added)
{
    if (remembered <= 0 || added == remembered + 1)
        return added;
    return MoveScriptItem(scripting, taskId, added, ScriptItemMove::AfterRemembered, remembered);
}

bool CloseUpAfterDelete(Table<ScriptingRecord>& scripting, int32_t taskId, int32_t deleted)
{
    return deleted <= 0 || CloseScriptItemGap(scripting, taskId, deleted);
}

} // namespace vl
