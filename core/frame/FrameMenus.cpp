#include "core/frame/FrameMenus.h"

namespace vl {

namespace {

#ifdef VL_BACKUP_RUNNER_BUILT
constexpr bool kBackupRunnerBuilt = true;
#else
constexpr bool kBackupRunnerBuilt = false;
#endif

FrameMenuItem Item(const char* text, const char* command, const char* statusText, const char* shortcut = "")
{
    return {QString::fromLatin1(text), QString::fromLatin1(shortcut), QString::fromLatin1(command), {},
            QString::fromLatin1(statusText)};
}

FrameMenuItem Separator()
{
    return {};
}

FrameMenuItem Menu(const char* text, const char* statusText, QList<FrameMenuItem> items)
{
    return {QString::fromLatin1(text), QString(), QString(), std::move(items), QString::fromLatin1(statusText)};
}

// The menu bar's own titles need none: they open their menu at once.
FrameMenuItem Menu(const char* text, QList<FrameMenuItem> items)
{
    return Menu(text, "", std::move(items));
}

FrameMenuItem FileMenu()
{
    using namespace FrameCommand;
    return Menu("&File",
                {
                    Menu("&Setup", "Program options and the lists behind them",
                         {
                             Item("&Options...", kOptions, "Set the program's options", "F10"),
                             Item("&Task Categories", "BrowseScheduleCategories", "Maintain the task categories"),
                             Item("&Contact Categories", "BrowseContactCategories2Pane",
                                  "Maintain the contact categories"),
                             Item("C&lipboard Categories", "BrowseClipboardCategories",
                                  "Maintain the clipboard categories"),
                             Item("&Holidays", "BrowseHolidays", "Maintain the holidays"),
                             Item("Script &Templates", "BrowseScriptTemplates", "Maintain the script templates"),
                         }),
                    Menu("&Import", "Import From Comma-Delimited Files",
                         {
                             Item("&Schedule", "ImportSchedule", "Import Tasks From a Comma-Delimited File"),
                             Item("&Contacts", "ImportContacts", "Import Contacts From a Comma-Delimited File"),
                             Item("&To Do", "ImportTodo", "Import To Do Items From a Comma-Delimited File"),
                         }),
                    Menu("&Export", "Export to Comma-Delimited Text Files",
                         {
                             Item("&Schedule", "ExportSchedule", "Export to a Comma-Delimited Text File"),
                             Item("&Contacts", "ExportContacts", "Export Contacts to Comma-Delimited Text File"),
                             Item("&To Do", "ExportTodo", "Export To Do List to Comma-Delimited File"),
                         }),
                    Item("S&ynchronization", "Synchronize", "Send/Receive between Velmora databases", "F7"),
                    Item("&View Log", "ViewAscii:Log", "View the event log", "F8"),
                    Item("&Backup/Restore", kBackupRestore, "Back up the data files or restore them from a backup"),
                    Menu("Support T&ools", "Tools for checking the program and its data",
                         {
                             Item("&View Current Script", kViewCurrentScript, "View the script that is running"),
                             Item("&Report Bug", "BugReport", "Report a bug by e-mail", "F9"),
                             Item("&Explore Schedule", "ExploreSchedule", "Explore the schedule with filters",
                                  "Ctrl+Shift+X"),
                             Item("&File Manager", "RepairFiles", "Check, repair and pack the data files"),
                         }),
                    Separator(),
                    Item("P&rint Setup...", kPrintSetup, "Choose the printer and its settings"),
                    Separator(),
                    Item("E&xit", kExit, "Close Velmora"),
                });
}

FrameMenuItem EditMenu()
{
    using namespace FrameCommand;
    return Menu("&Edit",
                {
                    Item("Cu&t", kCut, "Move the selection to the clipboard", "Ctrl+X"),
                    Item("&Copy", kCopy, "Copy the selection to the clipboard", "Ctrl+C"),
                    Item("&Paste", kPaste, "Insert the clipboard's text", "Ctrl+V"),
                });
}

FrameMenuItem ListsMenu()
{
    return Menu("&Lists",
                {
                    Item("&Scheduled Tasks", "BrowseSchedule", "Browse the scheduled tasks", "Ctrl+S"),
                    Item("&Hot Keys", "BrowseHotKeys", "Browse the hot keys", "Ctrl+K"),
                    Item("&To Do Items", "BrowseToDoList", "Browse the to-do list", "Ctrl+T"),
                    Item("&Contacts", "BrowseContacts", "Browse the contacts", "Ctrl+O"),
                    Item("&E-mail Messages", "BrowseMessages", "Browse the stored e-mail messages", "Ctrl+E"),
                    Item("Clip&board Saver", "BrowseClipboard", "Browse the saved clipboard entries"),
                    Separator(),
                    Item("T&ask Categories", "BrowseScheduleCategories", "Maintain the task categories"),
                    Item("Co&ntact Categories", "BrowseContactCategories2Pane", "Maintain the contact categories"),
                    Item("C&lipboard Categories", "BrowseClipboardCategories", "Maintain the clipboard categories"),
                });
}

FrameMenuItem ActionsMenu()
{
    return Menu("&Actions",
                {
                    Item("New &Message (Wizard)", "AddMessageWizard", "Schedule a new message with the wizard",
                         "Ctrl+Shift+M"),
                    Item("New &Program (Wizard)", "AddProgramWizard", "Schedule a new program with the wizard",
                         "Ctrl+Shift+P"),
                    Item("New &Script (Wizard)", "AddScriptWizard", "Schedule a new script with the wizard",
                         "Ctrl+Shift+S"),
                    Item("New &Task (Wizard)", "AddTaskWizard", "Schedule a new task with the wizard", "Ctrl+Shift+B"),
                    Item("New &Hot Key", "UpdateHotKeys", "Add a new hot key", "Ctrl+Shift+H"),
                });
}

FrameMenuItem ReportsMenu()
{
    return Menu("&Reports",
                {
                    Menu("&Schedule", "Print the scheduled tasks",
                         {
                             Item("&Brief Schedule", "PrintScheduleInBrief", "Print the coming tasks in brief"),
                             Item("Specific &Category", "Print:SCH:OneCategory",
                                  "Print schedule for one category only"),
                             Item("Check&list Style", "PrintSchedule", "Print the coming tasks as a checklist"),
                             Item("All in &Date Order", "Print:SCH:AllDateOrder", "Print ordered by Date"),
                             Item("All in C&ategory Order", "Print:SCH:AllCategoryOrder", "Print ordered by Category"),
                         }),
                    Menu("&To Do List", "Print the to-do list",
                         {
                             Item("&Priority", "PrintTodoByPriority", "Print the to-do list ordered by Priority"),
                             Item("&Category", "PrintTodoByCategory", "Print the to-do list ordered by Category"),
                         }),
                    Item("&Contacts", "PrintContacts", "Print the contacts"),
                    Item("C&ategories", "PrintCAT:KeyCategory", "Print ordered by Category"),
                });
}

FrameMenuItem WindowMenu()
{
    using namespace FrameCommand;
    return Menu("&Window",
                {
                    Item("&Tile", kTile, "Arrange the open windows side by side"),
                    Item("&Cascade", kCascade, "Arrange the open windows overlapping"),
                    Item("&Arrange Icons", kArrangeIcons, "Arrange the minimised windows"),
                });
}

FrameMenuItem HelpMenu()
{
    using namespace FrameCommand;
    return Menu("&Help",
                {
                    Item("&Contents", kHelpContents, "Show the help's contents"),
                    Item("&Search for Help On...", kHelpSearch, "Search the help for a topic"),
                    Item("&How to Use Help", kHelpOnHelp, "How to use the help"),
                    Separator(),
                    Item("&Email Us", kEmailUs, "Write to us by e-mail"),
                    Item("&Home Page", kHomePage, "Visit our home page"),
                    Separator(),
                    Item("&About", kAbout, "Program information, version and copyright"),
                });
}

} // namespace

QList<FrameMenuItem> FrameMenuBar()
{
    return {FileMenu(), EditMenu(), ListsMenu(), ActionsMenu(), ReportsMenu(), WindowMenu(), HelpMenu()};
}

QList<ToolbarButton> FrameToolbar()
{
    const auto button = [](const char* command, const char* text, const char* icon, const char* themeIcon = "") {
        return ToolbarButton{QString::fromLatin1(command), QString::fromLatin1(text), QString::fromLatin1(icon),
                             QString::fromLatin1(themeIcon)};
    };
    const ToolbarButton separator;
    return {
        button(FrameCommand::kOptions, "Options", "wrench16.ico"),
        separator,
        button("BrowseSchedule", "View Schedule", "schedule.ico", "x-office-calendar"),
        button("BrowseToDoList", "To Do List", "todo.ico", "view-task;emblem-default"),
        button("BrowseContacts", "Contacts", "contacts.ico", "x-office-address-book"),
        button("BrowseMessages", "Email Messages", "email.ico", "internet-mail;mail-message-new"),
        button("BrowseClipboard", "Clipboard Saver", "clipboard.ico", "edit-paste"),
        separator,
        button("AddMessageWizard", "Message Wizard", "msgwiz16.ico"),
        button("AddProgramWizard", "Program Wizard", "prgwiz16.ico"),
        button("AddScriptWizard", "Script Wizard", "scrwiz16.ico"),
    };
}

bool CommandUnavailable(const QString& command)
{
    for (const char* unavailable : {FrameCommand::kArrangeIcons, FrameCommand::kHelpContents,
                                    FrameCommand::kHelpSearch, FrameCommand::kHelpOnHelp}) {
        if (command == QLatin1String(unavailable))
            return true;
    }
    return command == QLatin1String(FrameCommand::kBackupRestore) && !kBackupRunnerBuilt;
}

} // namespace vl
