#include "windows/frame/options/OptionsWindow.h"

#include "platform/widgets/TextWidth.h"
#include "platform/widgets/WindowPosition.h"
#include "core/dictionary/Dictionary.h"
#include "core/dictionary/ProgramQueues.h"
#include "scheduler/options/DateFormatChoice.h"
#include "scheduler/options/Housekeeping.h"
#include "scheduler/options/TestEmail.h"
#include "core/settings/CommandLine.h"
#include "core/base/Globals.h"
#include "core/settings/Settings.h"
#include "windows/frame/tabs/TabColourer.h"
#include "platform/ui/PromptService.h"
#include "resources/ProgramIcons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <limits>

namespace vl {

namespace {

constexpr char kCaption[] = "Options";
constexpr char kIcon[] = "gearwren.ico";
constexpr int kTextWidth = 255;

constexpr char kInactiveModeText[] = "Configuration cannot be changed in \"inactivated\" mode.";
constexpr char kSkipInfoText[] =
    "Tasks will be skipped if the system date is greater than the task date by the number of days set here "
    "(default is 1).  Velmora will optionally issue a warning (determined by the \"Warn if not run on specified "
    "date\" checkbox in Update Schedule, Advanced Settings).";
// "|" is the line break of the program's message texts.
constexpr char kTranslateInfoText[] =
    "This applies to starting programs from within scripting.  When \"Display Message\", \"File Action\", and "
    "\"Send Email\" script actions are processed, the file names and paths are \"translated\" using the values "
    "set internally or by the \"Set Value\" script action.||An example would be to copy a file to another file "
    "named using today's date: \"File Action: Copy File c:\\this.txt d:\\[DATE].txt\". ||Leave this option "
    "unchecked if you need to send a literal \"[\" to the programs you are starting. ";

QWidget* Page(QLayout* layout)
{
    auto* page = new QWidget;
    page->setLayout(layout);
    return page;
}

// A row of widgets, left-aligned.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch();
    return row;
}

// A form of labelled number fields: the fields keep their own width rather
// than stretching across the page.
QFormLayout* NumberForm()
{
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    return form;
}

QLabel* Label(const QString& text, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(text);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

} // namespace

OptionsWindow::OptionsWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QLatin1String(kCaption));
    KeepWindowPosition(*this, QStringLiteral("Setup"));
    setWindowIcon(LoadIcon(QLatin1String(kIcon)));
    if (!OpenTables())
        return;

    tabs_ = new QTabWidget;
    // Every tab shows whole: the window is at least as wide as the tab bar,
    // with neither scroll arrows nor shortened captions.
    tabs_->setUsesScrollButtons(false);
    tabs_->setElideMode(Qt::ElideNone);
    tabs_->addTab(StartUpPage(), QStringLiteral("Start Up"));
    tabs_->addTab(GeneralPage(), QStringLiteral("General"));
    tabs_->addTab(MessagesPage(), QStringLiteral("Messages"));
    tabs_->addTab(HistoryPage(), QStringLiteral("History"));
    tabs_->addTab(ScriptingPage(), QStringLiteral("Scripting"));
    tabs_->addTab(ClipboardPage(), QStringLiteral("Clipboard"));
    tabs_->addTab(EmailPage(), QStringLiteral("Email"));
    tabs_->addTab(HousekeepingPage(), QStringLiteral("Housekeeping"));

    shownActive_ = StartUpActive;
    QCheckBox* active = FlagBox(QStringLiteral("Scheduler active "), StartUpActive);
    auto* ok = new QPushButton(QStringLiteral("&OK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &OptionsWindow::accept);
    connect(cancel, &QPushButton::clicked, this, &OptionsWindow::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(active);
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(bottom);

    colourer_ = TabColourer::Attach(this);
}

OptionsWindow::~OptionsWindow()
{
    CloseDown();
}

bool OptionsWindow::OpenTables()
{
    Dictionary& tables = Tables();
    TableFile* files[] = {&tables.Configuration, &tables.Schedule, &tables.Todo};
    int opened = 0;
    for (TableFile* file : files) {
        if (!OpenTable(*file)) {
            Prompt::Message("File (" + file->Name() + ") could not be opened.  Error: " + file->LastError().Describe()
                                + ".",
                            QStringLiteral("File Access Error"), PromptIcon::Stop);
            for (int i = 0; i < opened; ++i)
                files[i]->Close();
            return false;
        }
        ++opened;
    }
    opened_ = true;
    return true;
}

void OptionsWindow::CloseDown()
{
    if (closed_)
        return;
    closed_ = true;
    if (colourer_) {
        colourer_->Detach();
        colourer_ = nullptr;
    }
    if (opened_) {
        Dictionary& tables = Tables();
        tables.Configuration.Close();
        tables.Schedule.Close();
        tables.Todo.Close();
    }
}

// ---- controls bound to globals ----

QCheckBox* OptionsWindow::FlagBox(const QString& text, uint8_t& global)
{
    auto* box = new QCheckBox(text);
    box->setChecked(global != 0);
    connect(box, &QCheckBox::toggled, this, [&global](bool on) { global = on ? 1 : 0; });
    return box;
}

QSpinBox* OptionsWindow::NumberBox(const QString& name, int32_t& global)
{
    auto* box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    box->setValue(global);
    connect(box, &QSpinBox::valueChanged, this, [&global](int value) { global = value; });
    return box;
}

QLineEdit* OptionsWindow::TextBox(const QString& name, QString& global, int width)
{
    auto* edit = new QLineEdit(global.trimmed());
    edit->setObjectName(name);
    LimitToWidth(edit, width);
    connect(edit, &QLineEdit::textChanged, this, [&global](const QString& text) { global = text; });
    return edit;
}

QPushButton* OptionsWindow::Button(const QString& text, void (OptionsWindow::*action)())
{
    auto* button = new QPushButton(text);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

// ---- pages ----

QWidget* OptionsWindow::StartUpPage()
{
    auto* group = new QGroupBox(QStringLiteral("\"View Schedule\" Defaults"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(FlagBox(QStringLiteral("Show Schedule at start up "), StartUpSchedule));
    groupLayout->addWidget(
        FlagBox(QStringLiteral("Show full schedule initially (\"All By Date\" tab) "), FullSchedule));
    groupLayout->addWidget(FlagBox(QStringLiteral("Only show active tasks initially "), GlobalActiveOnly));

    auto* layout = new QVBoxLayout;
    layout->addWidget(group);
    layout->addWidget(FlagBox(QStringLiteral("Show To Do List at start up "), StartUpToDo));
    layout->addWidget(FlagBox(QStringLiteral("Show Clipboard Manager at start up "), StartUpClipboardSaver));
    layout->addWidget(FlagBox(QStringLiteral("Show Contacts at start up "), StartUpContacts));
    layout->addWidget(FlagBox(QStringLiteral("Minimize at start up "), StartUpMinimized));
    layout->addStretch();
    return Page(layout);
}

QWidget* OptionsWindow::GeneralPage()
{
    QSpinBox* skipDays = NumberBox(QStringLiteral("SkipIfDaysPassed"), SkipIfDaysPassed);
    QPushButton* skipInfo = Button(QStringLiteral("Info"), &OptionsWindow::ShowSkipInfo);
    skipInfo->setObjectName(QStringLiteral("SkipInfo"));

    dateFormat_ = new QComboBox;
    dateFormat_->setObjectName(QStringLiteral("DateFormat"));
    dateFormat_->addItems(OfferedDateFormats());
    // A format that the list does not offer is still shown as it is.
    shownDateFormat_ = DateFormatDisplayText(GlobalDateFormat);
    if (dateFormat_->findText(shownDateFormat_, Qt::MatchExactly) < 0)
        dateFormat_->addItem(shownDateFormat_);
    dateFormat_->setCurrentText(shownDateFormat_);

    auto* layout = new QVBoxLayout;
    layout->addLayout(Row({Label(QStringLiteral("Skip tasks if overdue by"), skipDays), skipDays,
                           Label(QStringLiteral("days")), skipInfo}));
    layout->addWidget(FlagBox(QStringLiteral("Minimize to system tray instead of exiting "), MinimizeOnCloseRequest));
    layout->addWidget(FlagBox(QStringLiteral("Do not place in tray when minimized "), NoTray));
    layout->addWidget(FlagBox(QStringLiteral("Restore for \"Run Program\" tasks "), MaximizeOnRun));
    layout->addLayout(Row({Label(QStringLiteral("Display date in format:"), dateFormat_), dateFormat_}));
    layout->addStretch();
    return Page(layout);
}

QWidget* OptionsWindow::MessagesPage()
{
    QFormLayout* numbers = NumberForm();
    QSpinBox* repeat = NumberBox(QStringLiteral("RepeatAlarmInterval"), RepeatAlarmInterval);
    QSpinBox* snooze = NumberBox(QStringLiteral("SnoozeInterval"), SnoozeInterval);
    QSpinBox* maximum = NumberBox(QStringLiteral("MaxAlarmTime"), MaxAlarmTime);
    numbers->addRow(Label(QStringLiteral("Repeat alarms every # seconds:"), repeat), repeat);
    numbers->addRow(Label(QStringLiteral("Snooze interval (minutes):"), snooze), snooze);
    numbers->addRow(Label(QStringLiteral("Maximum alarm time (minutes):"), maximum), maximum);

    auto* layout = new QVBoxLayout;
    layout->addWidget(FlagBox(QStringLiteral("Use external message program (\"start in new process\") "),
                              UseExternalMessage));
    layout->addWidget(
        FlagBox(QStringLiteral("Use \"Stay on top\" attribute for message windows"), UseModalMessage));
    layout->addLayout(numbers);
    layout->addStretch();
    return Page(layout);
}

QWidget* OptionsWindow::HistoryPage()
{
    logEvents_ = new QCheckBox(QStringLiteral("Log events to ASCII text file "));
    logEvents_->setChecked(GlobalUseLog);
    logExitCodes_ = FlagBox(QStringLiteral("Log exit codes"), LogExitCodes);
    logExitCodes_->setEnabled(GlobalUseLog);
    connect(logEvents_, &QCheckBox::toggled, this, [this](bool on) {
        GlobalUseLog = on;
        logExitCodes_->setEnabled(on);
    });
    QSpinBox* expires = NumberBox(QStringLiteral("HistoryExpires"), HistoryExpires);

    auto* layout = new QVBoxLayout;
    layout->addWidget(logEvents_);
    layout->addWidget(logExitCodes_);
    layout->addLayout(Row({Label(QStringLiteral("Removed completed tasks after"), expires), expires,
                           Label(QStringLiteral("days"))}));
    layout->addWidget(FlagBox(QStringLiteral("Also remove uncompleted tasks "), RemoveUncompleted));
    layout->addStretch();
    return Page(layout);
}

QWidget* OptionsWindow::ScriptingPage()
{
    QPushButton* translateInfo = Button(QStringLiteral("Info"), &OptionsWindow::ShowTranslateInfo);
    translateInfo->setObjectName(QStringLiteral("TranslateInfo"));

    delay_ = new QSpinBox;
    delay_->setObjectName(QStringLiteral("ScriptingDelay"));
    delay_->setRange(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    delay_->setValue(GlobalDelay);
    // A BYTE holds the burst size: a larger entry is refused, never wrapped.
    burstSize_ = new QSpinBox;
    burstSize_->setObjectName(QStringLiteral("BurstSize"));
    burstSize_->setRange(0, 255);
    burstSize_->setValue(BurstSize);

    QFormLayout* numbers = NumberForm();
    numbers->addRow(Label(QStringLiteral("Send Interval (1/100ths of a second):"), delay_), delay_);
    numbers->addRow(Label(QStringLiteral("Maximum number of characters per send group:"), burstSize_), burstSize_);

    auto* layout = new QVBoxLayout;
    layout->addWidget(FlagBox(QStringLiteral("Exclude hidden windows in comparisons and lists"), ExclHidden));
    layout->addWidget(FlagBox(QStringLiteral("Save script information on completed tasks "), SaveScripts));
    layout->addLayout(Row({FlagBox(QStringLiteral("Translate \"values\" when starting a program "), TranslateFilenames),
                           translateInfo}));
    layout->addLayout(numbers);
    layout->addStretch();
    return Page(layout);
}

QWidget* OptionsWindow::ClipboardPage()
{
    QSpinBox* entries = NumberBox(QStringLiteral("MaxClipboardEntries"), MaxClipboardEntries);
    auto* layout = new QVBoxLayout;
    layout->addWidget(FlagBox(QStringLiteral("Monitor clipboard "), MonitorClipboard));
    layout->addLayout(Row({Label(QStringLiteral("Maximum number of entries to retain:"), entries), entries}));
    layout->addStretch();
    return Page(layout);
}

QWidget* OptionsWindow::EmailPage()
{
    QLineEdit* sender = TextBox(QStringLiteral("Email:Sender"), Email::Sender, kTextWidth);
    QLineEdit* senderName = TextBox(QStringLiteral("Email:SenderName"), Email::SenderName, kTextWidth);
    QLineEdit* host = TextBox(QStringLiteral("Email:Host"), Email::Host, kTextWidth);
    QLineEdit* newsSender = TextBox(QStringLiteral("News:Sender"), News::Sender, kTextWidth);
    QLineEdit* newsHost = TextBox(QStringLiteral("News:Host"), News::Host, kTextWidth);

    auto* form = new QFormLayout;
    form->addRow(Label(QStringLiteral("Reply to address:"), sender), sender);
    form->addRow(Label(QStringLiteral("Sender name:"), senderName), senderName);
    form->addRow(Label(QStringLiteral("Mail host (SMTP):"), host), host);
    form->addRow(Label(QStringLiteral("News reply to address:"), newsSender), newsSender);
    form->addRow(Label(QStringLiteral("News host (NNTP):"), newsHost), newsHost);

    auto* layout = new QVBoxLayout;
    layout->addLayout(form);
    layout->addLayout(Row({Button(QStringLiteral("&Test Settings"), &OptionsWindow::TestSettings)}));
    layout->addStretch();
    return Page(layout);
}

QWidget* OptionsWindow::HousekeepingPage()
{
    // One column of buttons as wide as the widest, not across the page.
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Button(QStringLiteral("Clear all disabled tasks"), &OptionsWindow::ClearDisabledTasks));
    buttons->addWidget(Button(QStringLiteral("Clear all completed tasks"), &OptionsWindow::ClearCompletedTasks));
    buttons->addWidget(Button(QStringLiteral("Clear To Do list"), &OptionsWindow::ClearTodo));
    buttons->addWidget(Button(QStringLiteral("Reset saved window settings"), &OptionsWindow::ResetWindowSettings));
    buttons->addWidget(Button(QStringLiteral("Clear current script queue"), &OptionsWindow::ClearScriptQueue));
    buttons->addStretch();
    auto* layout = new QHBoxLayout;
    layout->addLayout(buttons);
    layout->addStretch();
    return Page(layout);
}

// ---- buttons ----

void OptionsWindow::ShowSkipInfo()
{
    Prompt::Message(QLatin1String(kSkipInfoText), QStringLiteral("Note"), PromptIcon::Information);
}

void OptionsWindow::ShowTranslateInfo()
{
    Prompt::Message(QLatin1String(kTranslateInfoText), QStringLiteral("Info"), PromptIcon::Information);
}

void OptionsWindow::TestSettings()
{
    // The send keeps the window's events running: nothing here may start a
    // second one meanwhile.
    setEnabled(false);
    MailSender sender;
    SendTestEmail(sender);
    setEnabled(true);
}

void OptionsWindow::ClearDisabledTasks()
{
    if (!AskHousekeeping(QStringLiteral("Remove disabled tasks?")))
        return;
    RemoveDisabledTasks(Tables().Schedule, Tables().Relations);
    Prompt::Message(QStringLiteral("Disabled tasks removed."), QLatin1String(kHousekeepingCaption));
}

void OptionsWindow::ClearCompletedTasks()
{
    if (!AskHousekeeping(QStringLiteral("Remove completed tasks?")))
        return;
    RemoveCompletedTasks(Tables().Schedule, Tables().Relations);
    Prompt::Message(QStringLiteral("Completed tasks removed."), QLatin1String(kHousekeepingCaption));
}

void OptionsWindow::ClearTodo()
{
    if (!AskHousekeeping(QStringLiteral("Clear To Do list?")))
        return;
    ClearTodoList(Tables().Todo);
    Prompt::Message(QStringLiteral("To Do list removed."), QLatin1String(kHousekeepingCaption));
}

void OptionsWindow::ResetWindowSettings()
{
    if (!AskHousekeeping(QStringLiteral("Reset saved window settings?")))
        return;
    IniFile programIni(ININame);
    IniFile positionIni{QString::fromLatin1(kPositionIniFile)};
    ResetSavedWindowSettings(programIni, positionIni);
}

void OptionsWindow::ClearScriptQueue()
{
    if (!AskHousekeeping(QStringLiteral("Remove active scripts?")))
        return;
    ScriptQueue.clear();
    Prompt::Message(QStringLiteral("All active scripts have been removed"), QLatin1String(kHousekeepingCaption));
}

void OptionsWindow::accept()
{
    if (!opened_) {
        QDialog::accept();
        return;
    }
    StoredOptions stored;
    stored.scriptingDelay = delay_->value();
    stored.burstSize = burstSize_->value();
    stored.keepStoredActive = CommandLineHas(QLatin1String(kInactiveSwitch)) && StartUpActive == shownActive_;
    StoreSettings(stored);
    StoreDateFormat(dateFormat_->currentText(), shownDateFormat_);
    CloseDown();
    QDialog::accept();
}

void OptionsWindow::reject()
{
    if (!opened_) {
        QDialog::reject();
        return;
    }
    // The controls changed the globals in place: the store puts them back.
    LoadSettings();
    CloseDown();
    QDialog::reject();
}

void Options(QWidget* parent)
{
    if (CommandLineHas(QLatin1String(kInactiveSwitch)) && !CommandLineHas(QLatin1String(kConfigSwitch))) {
        Prompt::Message(QLatin1String(kInactiveModeText), QStringLiteral("Warning"), PromptIcon::Exclamation);
        return;
    }
    OptionsWindow window(parent);
    if (window.Opened())
        window.exec();
}

} // namespace vl
