#include "scripting/items/DescribeScriptItem.h"

#include "core/dictionary/ScriptItemCopy.h"
#include "core/launch/HiddenPasswords.h"
#include "scripting/items/ScriptActions.h"

namespace vl {
namespace {

// Characters 1-128 of SCR:DDEApplicationTopic: the FTP user name of a
// "File Actions" item, the topic or title of other actions. Characters
// 129-255 hold the FTP password, which no description may show.
constexpr qsizetype kTopicVisibleWidth = 128;

QString Clip(const QString& text)
{
    qsizetype length = text.size();
    while (length > 0 && text[length - 1] == QLatin1Char(' ')) {
        --length;
    }
    return text.left(length);
}

QString VisibleTopic(const ScriptingRecord& item)
{
    return item.DDEApplicationTopic.left(kTopicVisibleWidth);
}

QString DescribeFileAction(const ScriptingRecord& item)
{
    const QString subAction = Clip(item.DDEType);
    QString text = subAction + u' ' + Clip(item.Command);
    if (subAction != QStringLiteral("Delete") && subAction != QStringLiteral("Recycle")) {
        text += QStringLiteral(" to ") + Clip(item.Path);
    }
    return text;
}

QString DescribeWait(const ScriptingRecord& item)
{
    if (item.SecondsToWait == 0) {
        return item.WaitForWindow;
    }
    QString text = QString::number(item.SecondsToWait) + QStringLiteral(" seconds ");
    if (!Clip(item.WaitForWindow).isEmpty()) {
        text += Clip(item.DDEApplicationName) + u' ' + item.WaitForWindow;
    }
    return text;
}

QString DescribeIfWindow(const ScriptingRecord& item)
{
    QString text = Clip(item.WindowTitleToCheckFor);
    if (!Clip(item.FocusOnWindow).isEmpty()) {
        text += u'/' + Clip(item.FocusOnWindow);
    }
    return text + QStringLiteral(" - ") + Clip(item.WindowExistance);
}

QString DescribeSendEmail(const ScriptingRecord& item)
{
    const QString message = QStringLiteral("Message #") + QString::number(item.EmailID);
    const QString display = Clip(item.WindowTitleToCheckFor);
    return display.isEmpty() ? message : display + QStringLiteral(" - ") + message;
}

QString DescribeByAction(const ScriptingRecord& item)
{
    using namespace ScriptAction;
    const QString action = CanonicalAction(item.Action);
    if (action == StartProgram || action == WaitForProgramEnd || action == StartScript) {
        return Clip(item.Command) + u' ' + Clip(item.Path);
    }
    if (action == CloseProgram) {
        return Clip(item.Command).isEmpty() ? QStringLiteral("Window with focus") : item.Command;
    }
    if (action == SetValue) {
        return Clip(item.Path) + QStringLiteral(" = ") + Clip(item.Command);
    }
    if (action == IfValue) {
        return Clip(item.Command) + u' ' + Clip(item.WindowTitleToCheckFor) + u' ' + Clip(item.WaitForWindow);
    }
    if (action == FileActions) {
        return DescribeFileAction(item);
    }
    if (action == SendKeys) {
        return item.Keystrokes;
    }
    if (action == Dde) {
        return Clip(item.DDEType) + u' ' + Clip(item.DDEApplicationName) + u' ' + VisibleTopic(item);
    }
    if (action == DisplayMessage) {
        return Clip(item.DDEApplicationName) + u' ' + Clip(VisibleTopic(item));
    }
    if (action == SetFocus) {
        return item.FocusOnWindow;
    }
    if (action == Wait) {
        return DescribeWait(item);
    }
    if (action == IfWindow) {
        return DescribeIfWindow(item);
    }
    if (action == IfTimeElapsed) {
        return QString::number(item.TimeElapsed) + QStringLiteral(" seconds");
    }
    if (action == SendEmail) {
        return DescribeSendEmail(item);
    }
    return {};
}

} // namespace

QString DescribeScriptItem(const ScriptingRecord& item)
{
    // A file action's address may carry a password, and a queued transfer's
    // command does: neither is ever shown.
    return Clip(WithoutPasswords(DescribeByAction(item)).left(kScriptItemDescriptionWidth));
}

QString DescribeScriptItem(const ScriptTemplateDetailsRecord& item)
{
    return DescribeScriptItem(TemplateItemAsScriptItem(item, item.WIZ_ID));
}

QString ScriptItemDetail(const ScriptingRecord& item)
{
    return Clip(DescribeScriptItem(item).left(kScriptItemDetailWidth));
}

QString ScriptItemDetail(const ScriptTemplateDetailsRecord& item)
{
    return Clip(DescribeScriptItem(item).left(kScriptItemDetailWidth));
}

} // namespace vl
