#include "scripting/items/ScriptActionHelp.h"

#include "scripting/items/ScriptActions.h"

namespace vl {
namespace {

namespace A = ScriptAction;

struct Help {
    const char16_t* action;
    const char16_t* paragraph;
};

// Older names reach their paragraph through CanonicalAction.
const Help kHelp[] = {
    {A::DisplayMessage,
        u"This will display a message with a title.  If \"Use Standard Windows Dialog\" is checked, a "
        u"standard Windows dialog will be displayed.  If the \"buttons\" fields is not filled in, a "
        u"single \"OK\" button will be used.  If buttons are specified, those buttons will be displayed "
        u"on the message window, and a value called RESPONSE will be filled with the button number.  "
        u"Example:  \"&Yes|&No\" will result in 2 buttons, and RESPONSE will be set to 1 if Yes is "
        u"pressed, 2 if No is pressed."},
    {A::StartProgram,
        u"This will start another program.  Enter a program to run in the \"command\" field, or use the "
        u"BROWSE button to select one using the standard Windows dialog.  If you're using Windows 95, you "
        u"can also enter the name of a document (for example, \"Brantwell.URL\"). Optionally, you may "
        u"enter a path in the \"Start In\" field.  When you select a program in step 1, this path is "
        u"defaulted to the path in which the program is located.  If you leave this blank, the program "
        u"you have entered will be run from the current (Velmora) folder (directory)."},
    {A::CloseProgram,
        u"Specify an executable file (\"EXE\") by name* (including the full path) or leave the "
        u"\"executable\" field blank to close whichever window or application that has \"focus\" when "
        u"this script item is executed.  Use with caution.  Usually sending [AltF4] let's you shut down "
        u"an application in a safe way.  (* - Requires KILLPROC.EXE.)"},
    {A::ExitScript,
        u"Exit Script:  This will exit the script at this point. Usually this script action is used in "
        u"conjunction with an \"If...\" script action."},
    {A::SendKeys,
        u"Enter the keys you wish to send to the application that currently has \"focus\".  This would be "
        u"the program you just started, or another that you specifically or manually focused on.  To "
        u"enter special keycodes, use the square braces (\"[]\") and a keystroke name.  For example "
        u"\"[AltB]\" would send an Alt-B to the program with focus."},
    {A::Dde,
        u"This executes a DDE command of your choice with the application you specify.  Note that the "
        u"application must already be running.  Consult the documentation of the application you are "
        u"communicating for specify topics and commands to use."},
    {A::SetFocus,
        u"This script action gives the \"focus\" to another application.  Enter one of the following:  |  "
        u"(a) The exact title - for example, \"Connect To\" (not case sensitive).  (b) The first few "
        u"unique characters followed by an asterisk - for example: \"Untitled - *\".  (c) An asterisk "
        u"followed by a phrase to find anywhere in the window title - for example, \"*Notepad\".    (d) "
        u"An executable name - for example, \"notepad.exe\"."},
    {A::Wait,
        u"This script action waits for a number of seconds to pass, and/or a window with a specific title "
        u"to appear.  Leave blank whichever does not apply.  For the window, enter:  (a) The exact title "
        u"- for example, \"Connect To\" (not case sensitive).  (b) The first few unique characters "
        u"followed by an asterisk - for example: \"Untitled - *\".  (c) An asterisk followed by a phrase "
        u"to find anywhere in the window title. Example: \"*Notepad\"  (d) A tilde followed by (a), (b), "
        u"or (c) above to wait for a window to NOT exist (disappear). "},
    {A::IfWindow,
        u"The script items you enter between this item and the next \"End If\" item will only execute if "
        u"the condition you specify is true.  For the window title, you can enter:   (a) The exact title "
        u"- for example, \"Connect To\" (not case sensitive).  (b) The first few unique characters "
        u"followed by an asterisk - for example: \"Untitled - *\".  (c) An asterisk followed by a phrase "
        u"to find anywhere in the window title. Example: \"*Notepad\""},
    {A::IfTimeElapsed,
        u"The script items you enter between this item and the next \"End If\" item will only execute if "
        u"the condition you specify is true.  The time elapsed is measured from the execution of the "
        u"first script item to this script item, in seconds."},
    {A::IfValue,
        u"Evaluate a previously set value.  You can compare it to a constant or another value.  Use "
        u"square brackets to indicate another value.  Example:  SAVESIZE <> [FILESIZE] or FILESIZE <> 0.  "
        u" Note that there are reserved system values TODAY, DATE, TIME, NOW, FILESIZE, FILEDATE, "
        u"FILETIME, and FOCUS."},
    {A::StartScript,
        u"Import and execute a script on-the-fly.  \"Insert\" loads the external script into the current "
        u"location, and when the external script has completed, continues with the current script.  "
        u"\"Jump\" loads the external script into the current location, and when the external script has "
        u"completed, does not continue with the current script.  \"Append\" loads the external script "
        u"onto the end of all executing scripts."},
    {A::SendEmail,
        u"Send a message via the Internet."},
    {A::SetValue,
        u"Set a value to a constant or another value.  Use square brackets to indicate another value.  "
        u"Example:  Value Name: SAVESIZE, Value: [FILESIZE] or Value Name: DAY, Value: MONDAY.   Note "
        u"that there are reserved system values TODAY, DATE, TIME, NOW, FILESIZE, FILEDATE, FILETIME, and "
        u"FOCUS."},
    {A::FileActions,
        u"Perform a file-related action such as copy, move, delete, upload, download, test size, etc.  A "
        u"system value is set automatically; it contains the result of the operation.  For example Get "
        u"File Size creates or updates a FILESIZE value that can be evaluated with the \"If Value...\" "
        u"script command."},
};

} // namespace

QString ScriptActionHelp(QStringView action)
{
    const QString name = A::CanonicalAction(action);
    for (const Help& help : kHelp) {
        if (name == QStringView(help.action))
            return QString::fromUtf16(help.paragraph);
    }
    return QString();
}

} // namespace vl
