#include "core/frame/FrameMenus.h"

namespace vl {

namespace {

#ifdef VL_BACKUP_RUNNER_BUILT
constexpr bool kBackupRunnerBuilt = true;
#else
constexpr bool kBackupRunnerBuilt = false;
#endif

FrameMenuItem Item(const char* text, const char* command, const char* shortcut = "")
{
    return {QString::fromLatin1(text), QString::fromLatin1(shortcut), QString::fromLatin1(command), {}};
}

FrameMenuItem Separator()
{
    return {};
}

FrameMenuItem Menu(const char* text, QList<FrameMenuItem> items)
{
    return {QString::fromLatin1(text), QString(), QString(), std::move(items)};
}

} // namespace

QList<FrameMenuItem> FrameMenuBar()
{
    using namespace FrameCommand;
    return {
        Menu("&File",
             {
                 Menu("&Setup",
                      {
                          Item("&Options...", kOptions, "F10"),
                          Item("&Task Categories", "BrowseScheduleCategories"),
                          Item("&Contact Categories", "BrowseContactCategories2Pane"),
                          Item("C&lipboard Categories", "BrowseClipboardCategories"),
                          Item("&Holidays", "BrowseHolidays"),
                          Item("Script &Templates", "BrowseScriptTemplates"),
                      }),
                 Menu("&Import",
                      {
                          Item("&Schedule", "ImportSchedule"),
                          Item("&Contacts", "ImportContacts"),
                          Item("&To Do", "ImportTodo"),
                      }),
                 Menu("&Export",
                      {
                          Item("&Schedule", "ExportSchedule"),
                          Item("&Contacts", "ExportContacts"),
                          Item("&To Do", "ExportTodo"),
                      }),
                 Item("S&ynchronization", "Synchronize", "F7"),
                 Item("&View Log", "ViewAscii:Log", "F8"),
                 Item("&Backup/Restore", kBackupRestore),
                 Menu("Support T&ools",
                      {
                          Item("&View Current Script", kViewCurrentScript),
                          Item("&Report Bug", "BugReport", "F9"),
                          Item("&Explore Schedule", "ExploreSchedule", "Ctrl+Shift+X"),
                          Item("&File Manager", "RepairFiles"),
                      }),
                 Separator(),
                 Item("P&rint Setup...", kPrintSetup),
                 Separator(),
                 Item("E&xit", kExit),
             }),
        Menu("&Edit",
             {
                 Item("Cu&t", kCut, "Ctrl+X"),
                 Item("&Copy", kCopy, "Ctrl+C"),
                 Item("&Paste", kPaste, "Ctrl+V"),
             }),
        Menu("&Lists",
             {
                 Item("&Scheduled Tasks", "BrowseSchedule", "Ctrl+S"),
                 Item("&Hot Keys", "BrowseHotKeys", "Ctrl+K"),
                 Item("&To Do Items", "BrowseToDoList", "Ctrl+T"),
                 Item("&Contacts", "BrowseContacts", "Ctrl+O"),
                 Item("&E-mail Messages", "BrowseMessages", "Ctrl+E"),
                 Item("Clip&board Saver", "BrowseClipboard"),
                 Separator(),
                 Item("T&ask Categories", "BrowseScheduleCategories"),
                 Item("Co&ntact Categories", "BrowseContactCategories2Pane"),
                 Item("C&lipboard Categories", "BrowseClipboardCategories"),
             }),
        Menu("&Actions",
             {
                 Item("New &Message (Wizard)", "AddMessageWizard", "Ctrl+Shift+M"),
                 Item("New &Program (Wizard)", "AddProgramWizard", "Ctrl+Shift+P"),
                 Item("New &Script (Wizard)", "AddScriptWizard", "Ctrl+Shift+S"),
                 Item("New &Task (Wizard)", "AddTaskWizard", "Ctrl+Shift+B"),
                 Item("New &Hot Key", "UpdateHotKeys", "Ctrl+Shift+H"),
             }),
        Menu("&Reports",
             {
                 Menu("&Schedule",
                      {
                          Item("&Brief Schedule", "PrintScheduleInBrief"),
                          Item("Specific &Category", "Print:SCH:OneCategory"),
                          Item("Check&list Style", "PrintSchedule"),
                          Item("All in &Date Order", "Print:SCH:AllDateOrder"),
                          Item("All in C&ategory Order", "Print:SCH:AllCategoryOrder"),
                      }),
                 Menu("&To Do List",
                      {
                          Item("&Priority", "PrintTodoByPriority"),
                          Item("&Category", "PrintTodoByCategory"),
                      }),
                 Item("&Contacts", "PrintContacts"),
                 Item("C&ategories", "PrintCAT:KeyCategory"),
             }),
        Menu("&Window",
             {
                 Item("&Tile", kTile),
                 Item("&Cascade", kCascade),
                 Item("&Arrange Icons", kArrangeIcons),
             }),
        Menu("&Help",
             {
                 Item("&Contents", kHelpContents),
                 Item("&Search for Help On...", kHelpSearch),
                 Item("&How to Use Help", kHelpOnHelp),
                 Separator(),
                 Item("&Email Us", kEmailUs),
                 Item("&Home Page", kHomePage),
                 Separator(),
                 Item("&About", kAbout),
             }),
    };
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
