#pragma once
// The vocabulary of script items: the action stored in SCR:Action, the four
// groups the item editor offers them in, the older names readers still
// accept, the sub-actions of "File Actions" (kept in SCR:DDEType) and the
// choices other actions keep in their fields.

#include <array>
#include <utility>

#include <QString>
#include <QStringView>

namespace vl::ScriptAction {

inline constexpr char16_t SendKeys[] = u"Send Keys";
inline constexpr char16_t SetFocus[] = u"Set Focus";
inline constexpr char16_t Wait[] = u"Wait";
inline constexpr char16_t DisplayMessage[] = u"Display Message";
inline constexpr char16_t IfWindow[] = u"If Window...";
inline constexpr char16_t IfTimeElapsed[] = u"If Time Elapsed...";
inline constexpr char16_t IfValue[] = u"If Value...";
inline constexpr char16_t EndIf[] = u"...End If";
inline constexpr char16_t StartProgram[] = u"Start Program";
inline constexpr char16_t CloseProgram[] = u"Close Program";
inline constexpr char16_t StartScript[] = u"Start Script";
inline constexpr char16_t Dde[] = u"DDE";
inline constexpr char16_t SendEmail[] = u"Send Email";
inline constexpr char16_t SetValue[] = u"Set Value";
inline constexpr char16_t ExitScript[] = u"Exit Script";
inline constexpr char16_t FileActions[] = u"File Actions";

// Older names, the same actions as "Send Keys" and "DDE".
inline constexpr char16_t SendKeystrokes[] = u"Send Keystrokes";
inline constexpr char16_t DdeLong[] = u"DDE (Dynamic Data Exchange)";

// What the item editor shows in place of "Exit Script" while it is open;
// never stored.
inline constexpr char16_t Other[] = u"Other";

// An item the text form of a script makes of a comment line; it performs
// nothing and no form offers it.
inline constexpr char16_t Comment[] = u"Comment";

// Entries the script loader and the interpreter put on the running queue;
// no form creates them.
inline constexpr char16_t WaitForProgramEnd[] = u"Wait for Program End";
inline constexpr char16_t End[] = u"**End**";

struct Group {
    const char16_t* heading; // "\n" separates the lines of a two-line heading
    std::array<const char16_t*, 4> actions;
};

// The sixteen actions of the editor, in its groups and order.
inline constexpr std::array<Group, 4> kGroups{{
    {u"Basic", {SendKeys, SetFocus, Wait, DisplayMessage}},
    {u"Condition", {IfWindow, IfTimeElapsed, IfValue, EndIf}},
    {u"Program", {StartProgram, CloseProgram, StartScript, Dde}},
    {u"Other /\nInternet", {SendEmail, SetValue, ExitScript, FileActions}},
}};

// The fifteen sub-actions of "File Actions"; the first is the default.
inline constexpr std::array<const char16_t*, 15> kFileActions{
    u"Copy",          u"Move",           u"Rename",        u"Delete",        u"Recycle",
    u"FTP Upload",    u"FTP Download",   u"HTTP Download", u"Get File Date", u"Get File Time",
    u"Get File Size", u"If File Exists", u"Log Windows",   u"Make Directory", u"Remove Directory"};

// The choices some actions keep in their fields.
inline constexpr char16_t Either[] = u"Either"; // Wait: seconds or window, whichever comes first
inline constexpr char16_t Both[] = u"Both";     // Wait: seconds and then the window
inline constexpr char16_t Exists[] = u"Exists";
inline constexpr char16_t DoesNotExist[] = u"Does not exist";
inline constexpr char16_t GreaterThan[] = u"Greater than";
inline constexpr char16_t LessThan[] = u"Less than";
inline constexpr std::array<const char16_t*, 6> kComparisons{u"=", u"<", u"<=", u"=>", u">", u"<>"};
inline constexpr char16_t InsertMode[] = u"Insert (Execute and continue)";
inline constexpr char16_t JumpMode[] = u"Jump to (Execute and skip)";
inline constexpr char16_t AppendMode[] = u"Append";
inline constexpr std::array<const char16_t*, 3> kStartScriptModes{InsertMode, JumpMode, AppendMode};
inline constexpr std::array<const char16_t*, 2> kDdeTypes{u"Request", u"Execute"};

// The current name of a stored action: trailing blanks dropped and the older
// names mapped to theirs; any other text is returned as it stands.
QString CanonicalAction(QStringView stored);

// The sub-action of "File Actions" a stored or typed name stands for, in
// any case: one of kFileActions, a word of the text form ("FTPUPLOAD",
// "FTP" for "FTP Download", "HTTP" for "HTTP Download") or the older "File
// Exists"; empty when it names none.
QString FileActionNamed(QStringView name);

// Whether a stored action names the given one (older names included).
bool IsAction(QStringView stored, const char16_t* action);

} // namespace vl::ScriptAction
