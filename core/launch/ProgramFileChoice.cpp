#include "core/launch/ProgramFileChoice.h"

#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

namespace vl {
namespace {

const char kChooseCaption[] = "Choose a Program to Start";
const char kSelectCaption[] = "Select a Program";

bool ChooseInto(const char* caption, QString& command, QString& path)
{
    const QString startIn = Clip(path);
    const QString chosen =
        Prompt::OpenFile(QLatin1String(caption), QLatin1String(kProgramFileFilter), startIn);
    if (chosen.isEmpty())
        return false;
    command = chosen;
    if (startIn.isEmpty())
        path = chosen.left(chosen.lastIndexOf(QLatin1Char('/')) + 1);
    return true;
}

} // namespace

bool ChooseProgramFile(ScheduleRecord& task)
{
    return ChooseInto(kChooseCaption, task.Command, task.Path);
}

bool SelectProgramFile(ScriptingRecord& item)
{
    return ChooseInto(kSelectCaption, item.Command, item.Path);
}

bool SelectProgramFile(ScriptTemplateDetailsRecord& item)
{
    return ChooseInto(kSelectCaption, item.Command, item.Path);
}

} // namespace vl
