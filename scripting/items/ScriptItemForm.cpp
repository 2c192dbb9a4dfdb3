#include "scripting/items/ScriptItemForm.h"

#include "core/base/Globals.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "scripting/items/ItemFieldRoles.h"
#include "scripting/items/ScriptActions.h"

#include <algorithm>
#include <array>

namespace vl {
namespace {

namespace A = ScriptAction;

QString Text(const char16_t* text) { return QString::fromUtf16(text); }

struct ActionPage {
    const char16_t* action;
    ScriptPage page;
};

// The actions whose page is shown as it stands (older names reach theirs
// through CanonicalAction).
constexpr std::array<ActionPage, 14> kActionPages{{
    {A::DisplayMessage, ScriptPage::DisplayMessage},
    {A::StartProgram, ScriptPage::Start},
    {A::CloseProgram, ScriptPage::Close},
    {A::SendKeys, ScriptPage::Keys},
    {A::Dde, ScriptPage::Dde},
    {A::SetFocus, ScriptPage::Focus},
    {A::EndIf, ScriptPage::EndIf},
    {A::IfValue, ScriptPage::IfVar},
    {A::SendEmail, ScriptPage::SendEmail},
    {A::SetValue, ScriptPage::SetVar},
    {A::Wait, ScriptPage::Wait},
    {A::IfWindow, ScriptPage::IfWindow},
    {A::IfTimeElapsed, ScriptPage::IfTime},
    {A::StartScript, ScriptPage::StartScript},
}};

bool IsFileAction(const QString& subAction)
{
    const QString name = Clip(subAction);
    return std::any_of(A::kFileActions.begin(), A::kFileActions.end(),
                       [&name](const char16_t* known) { return name == QStringView(known); });
}

QString StartScriptMode(const QString& path)
{
    if (path.startsWith(QLatin1Char('A')))
        return Text(A::AppendMode);
    if (path.startsWith(QLatin1Char('J')))
        return Text(A::JumpMode);
    return Text(A::InsertMode);
}

} // namespace

QString ScriptPageText(ScriptPage page)
{
    static const std::array<const char*, kScriptPageCount> kTexts{
        "Keys",        "Wait",      "Focus",        "DDE",   "If Window",       "If Time", "If Var", "Set Var",
        "Start Script", "Send Email", "File Actions", "@End If", "Start", "Display Message", "Close", "Other"};
    return QLatin1String(kTexts[static_cast<size_t>(page)]);
}

ScriptItemWork LoadWorkFields(const ScriptingRecord& item)
{
    ScriptItemWork work;
    if (A::IsAction(item.Action, A::Wait)) {
        work.waitMode = Clip(WaitMode(item));
    } else if (A::IsAction(item.Action, A::FileActions)) {
        const FileLoginParts login = FileLogin(item);
        work.ftpHost = Clip(FileHost(item));
        work.ftpUser = Clip(login.user);
        work.ftpPassword = login.password.left(kFtpPasswordWidth);
    } else if (A::IsAction(item.Action, A::DisplayMessage)) {
        work.messageText = Clip(MessageText(item));
        work.messageTitle = Clip(MessageTitle(item));
        work.standardDialog = item.SecondsToWait != 0;
    }
    return work;
}

ScriptPage SelectScriptPage(ScriptingRecord& item, ScriptItemWork& work)
{
    const QString action = A::CanonicalAction(item.Action);
    ScriptPage page = ScriptPage::Other;
    for (const ActionPage& known : kActionPages) {
        if (action == QStringView(known.action))
            page = known.page;
    }
    if (action == QStringView(A::ExitScript)) {
        work.savedAction = action;
        item.Action = Text(A::Other);
    } else if (action == QStringView(A::FileActions)) {
        page = ScriptPage::FileActions;
        if (!IsFileAction(item.DDEType))
            item.DDEType = Text(A::kFileActions.front());
    } else if (page == ScriptPage::Other) {
        if (work.savedAction.isEmpty() || work.savedAction == QStringView(A::Other))
            work.savedAction = action;
    }
    switch (page) {
    case ScriptPage::Wait:
        if (work.waitMode.isEmpty())
            work.waitMode = Text(A::Either);
        break;
    case ScriptPage::IfWindow:
        if (Clip(item.WindowExistance).isEmpty())
            item.WindowExistance = Text(A::Exists);
        break;
    case ScriptPage::IfTime:
        if (Clip(item.IfTimeElapsed).isEmpty())
            item.IfTimeElapsed = Text(A::LessThan);
        break;
    case ScriptPage::StartScript:
        item.Path = StartScriptMode(item.Path);
        break;
    default:
        break;
    }
    if (A::IsAction(item.Action, A::Wait))
        ApplyWaitModeRule(item, work);
    return page;
}

bool WaitModeChoosable(const ScriptingRecord& item)
{
    return item.SecondsToWait != 0 && !Clip(item.WaitForWindow).isEmpty();
}

void ApplyWaitModeRule(const ScriptingRecord& item, ScriptItemWork& work)
{
    if (!WaitModeChoosable(item))
        work.waitMode.clear();
    else if (work.waitMode.isEmpty())
        work.waitMode = Text(A::Both);
}

bool StoreWorkFields(ScriptingRecord& item, const ScriptItemWork& work)
{
    QString action = item.Action;
    if (Clip(action) == QStringView(A::Other))
        action = work.savedAction;
    if (Clip(action) == QStringView(A::Other) || Clip(action).isEmpty())
        return false;
    item.Action = action;
    if (A::IsAction(action, A::Wait)) {
        SetWaitMode(item, work.waitMode);
    } else if (A::IsAction(action, A::DisplayMessage)) {
        SetMessage(item, CutTo(work.messageText, kMessageWidth), CutTo(work.messageTitle, kMessageWidth));
        item.SecondsToWait = work.standardDialog ? 1 : 0;
    } else if (A::IsAction(action, A::FileActions)) {
        SetFileHost(item, work.ftpHost);
        SetFileLogin(item, CutTo(work.ftpUser, kFtpUserWidth), CutTo(work.ftpPassword, kFtpPasswordWidth));
    }
    return true;
}

ScriptingRecord NewScriptItem(int32_t taskId)
{
    ScriptingRecord item;
    item.ID = taskId;
    item.Action = Text(A::SendKeys);
    item.WindowExistance = Text(A::Exists);
    item.IfTimeElapsed = Text(A::GreaterThan);
    item.TimeElapsed = kNewItemElapsed;
    return item;
}

void StampScriptItem(ScriptingRecord& item)
{
    item.NETWORKUSER = UserID;
    item.LASTCHANGEDATE = Today();
    item.LASTCHANGETIME = Now();
    if (item.ORIGINALID == 0)
        item.ORIGINALID = item.ID;
}

} // namespace vl
