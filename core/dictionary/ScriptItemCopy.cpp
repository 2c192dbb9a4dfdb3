#include "core/dictionary/ScriptItemCopy.h"

namespace vl {
namespace {

template <class To, class From>
void CopyItemFields(const From& from, To& to)
{
    to.Sequence = from.Sequence;
    to.Action = from.Action;
    to.Keystrokes = from.Keystrokes;
    to.SecondsToWait = from.SecondsToWait;
    to.WaitForWindow = from.WaitForWindow;
    to.FocusOnWindow = from.FocusOnWindow;
    to.WindowExistance = from.WindowExistance;
    to.WindowTitleToCheckFor = from.WindowTitleToCheckFor;
    to.IfTimeElapsed = from.IfTimeElapsed;
    to.TimeElapsed = from.TimeElapsed;
    to.NextTaskID = from.NextTaskID;
    to.NETWORKUSER = from.NETWORKUSER;
    to.LASTCHANGEDATE = from.LASTCHANGEDATE;
    to.LASTCHANGETIME = from.LASTCHANGETIME;
    to.ORIGINALID = from.ORIGINALID;
    to.Command = from.Command;
    to.Path = from.Path;
    to.DDEType = from.DDEType;
    to.DDEApplicationName = from.DDEApplicationName;
    to.DDEApplicationTopic = from.DDEApplicationTopic;
    to.DDELinkItem = from.DDELinkItem;
    to.DDECommand = from.DDECommand;
}

} // namespace

ScriptingRecord TemplateItemAsScriptItem(const ScriptTemplateDetailsRecord& item, int32_t taskId)
{
    ScriptingRecord copy;
    CopyItemFields(item, copy);
    copy.ID = taskId;
    copy.EmailID = item.EMAILID;
    return copy;
}

ScriptTemplateDetailsRecord ScriptItemAsTemplateItem(const ScriptingRecord& item, int32_t templateId)
{
    ScriptTemplateDetailsRecord copy;
    CopyItemFields(item, copy);
    copy.WIZ_ID = templateId;
    copy.EMAILID = item.EmailID;
    return copy;
}

} // namespace vl
