#include "windows/tasks/TaskWizard.h"

#include "core/dictionary/Dictionary.h"
#include "scheduler/engine/DueTask.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/FocusChain.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/StatusTipLine.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"
#include "scripting/items/TaskScripts.h"
#include "scripting/items/WholeScript.h"
#include "windows/scripting/BrowseScripting.h"
#include "tasks/TaskFormRules.h"
#include "tasks/TaskWizardStore.h"
#include "windows/tasks/SpecialEventWizard.h"
#include "windows/tasks/TaskEditor.h"
#include "windows/tasks/TaskListWindow.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr char kSourceGoneCaption[] = "Task Not Found";
constexpr char kSourceGoneText[] = "The task no longer exists: the scheduler or another window has deleted it.";
constexpr int kPictureSize = 96;

// Where the last WAV file comes from: the "Alarm" box reads the program INI
// in every wizard of the family, the WAV file entry the configuration (the
// INI in the message wizard); the special event's alarm is the task form's.
TaskEditor::Options EditorOptions(TaskWizardKind kind)
{
    TaskEditor::Options options;
    if (kind == TaskWizardKind::SpecialEvent)
        return options;
    options.alarmBox = WavFileStore::ProgramIni;
    if (kind == TaskWizardKind::Message)
        options.alarmEntry = WavFileStore::ProgramIni;
    options.proposeFittingDate = true;
    return options;
}

} // namespace

TaskWizard::TaskWizard(TaskWizardKind kind, int32_t sourceTaskId, QWidget* parent, const ScheduleRecord* seed)
    : QDialog(parent), kind_(kind), sourceId_(sourceTaskId)
{
    if (seed)
        seed_ = *seed;
    Open();
}

TaskWizard::TaskWizard(const HotKeyTaskStart& hotKey, QWidget* parent)
    : QDialog(parent), kind_(TaskWizardKind::Script), sourceId_(hotKey.taskId), hotKey_(hotKey.hotKey)
{
    Open();
}

void TaskWizard::Open()
{
    Dictionary& tables = Tables();
    if (!tables_.Open({&tables.Schedule, &tables.Categories, &tables.Scripting, &tables.Holidays}))
        return;
    if (!LoadTask()) {
        tables_.Close();
        return;
    }
    BuildWindow();
    opened_ = true;
    editor_->Display();
    GoTo(PageSequence(kind_, task_).front());
}

TaskWizard::~TaskWizard()
{
    CloseDown();
}

bool TaskWizard::LoadTask()
{
    Dictionary& tables = Tables();
    if (hotKey_)
        return LoadHotKeyTask();
    if (kind_ == TaskWizardKind::SpecialEvent) {
        const std::optional<ScheduleRecord> source = ReadTask(tables.Schedule, sourceId_);
        if (!source) {
            Prompt::Message(QLatin1String(kSourceGoneText), QLatin1String(kSourceGoneCaption), PromptIcon::Exclamation);
            return false;
        }
        task_ = SpecialEventCopy(*source);
    } else if (kind_ == TaskWizardKind::Script) {
        task_ = PrimeScriptTask(tables);
    } else {
        task_ = PrimeWizardTask(tables, QLatin1String(WizardTexts(kind_).taskType));
        if (seed_)
            SeedWizardTask(task_, *seed_);
    }
    if (!ReserveWizardTask(tables, task_, base_))
        return false;
    reserved_ = true;
    if (kind_ == TaskWizardKind::SpecialEvent)
        CopyScript(tables.Scripting, sourceId_, task_.ID);
    return true;
}

bool TaskWizard::LoadHotKeyTask()
{
    Dictionary& tables = Tables();
    bool failed = false;
    if (std::optional<ScheduleRecord> stored = StoredHotKeyTask(tables, sourceId_, &failed)) {
        std::vector<ScriptingRecord> items;
        const DataError error = ReadScriptItems(tables.Scripting, stored->ID, items);
        if (!error.Ok()) {
            Prompt::Message(error.Describe(), QLatin1String(kScriptErrorCaption), PromptIcon::Stop);
            return false;
        }
        task_ = base_ = *stored;
        scriptAsRead_ = std::move(items);
        return true;
    }
    if (failed)
        return false;
    task_ = PrimeHotKeyTask(tables, *hotKey_);
    if (!ReserveWizardTask(tables, task_, base_))
        return false;
    reserved_ = true;
    return true;
}

void TaskWizard::BuildWindow()
{
    const TaskWizardTexts& texts = WizardTexts(kind_);
    setWindowTitle(QLatin1String(scriptAsRead_ ? kEditScriptWizardCaption : texts.caption));
    setWindowIcon(LoadIcon(QLatin1String(texts.icon)));
    setObjectName(QLatin1String(texts.positionKey));
    KeepWindowPosition(*this, QLatin1String(texts.positionKey));
    editor_ = new TaskEditor(task_, this, EditorOptions(kind_));
    editor_->onTaskType = [this](const TaskTypeControls&) {
        if (sheet_)
            ShowButtons();
    };

    // The pages on a sheet whose tabs are not shown: the wizard picks them.
    auto* sheet = new QTabWidget;
    sheet->tabBar()->hide();
    sheet->setDocumentMode(true);
    for (WizardPage page : {WizardPage::Task, WizardPage::Script, WizardPage::Category, WizardPage::Command,
                            WizardPage::Message, WizardPage::When, WizardPage::Advanced}) {
        if (QWidget* built = BuildPage(page)) {
            pages_[page] = built;
            sheet->addTab(built, QString());
        }
    }

    heading_ = new QLabel;
    QFont font(QStringLiteral("Arial"), 14);
    font.setBold(true);
    font.setItalic(true);
    heading_->setFont(font);
    picture_ = new QLabel;
    picture_->setFrameShape(QFrame::Panel);
    picture_->setFrameShadow(QFrame::Sunken);
    picture_->setFixedSize(kPictureSize + 8, kPictureSize + 8);
    picture_->setAlignment(Qt::AlignCenter);

    back_ = new QPushButton(QStringLiteral("&Back"));
    next_ = new QPushButton(QStringLiteral("&Next"));
    finish_ = new QPushButton(LoadIcon(QStringLiteral("ok.ico")), QStringLiteral("&Finish"));
    cancel_ = new QPushButton(LoadIcon(QStringLiteral("cancel.ico")), QStringLiteral("Cancel"));
    connect(back_, &QPushButton::clicked, this, [this] { Step(-1); });
    connect(next_, &QPushButton::clicked, this, [this] { Step(1); });
    connect(finish_, &QPushButton::clicked, this, &TaskWizard::accept);
    connect(cancel_, &QPushButton::clicked, this, &TaskWizard::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {back_, next_, finish_, cancel_})
        buttons->addWidget(button);
    auto* content = new QVBoxLayout;
    content->addWidget(heading_);
    content->addWidget(sheet, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(picture_, 0, Qt::AlignTop);
    body->addLayout(content, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    layout->addWidget(new StatusTipLine(*this));
    ChainSheetFocus(*sheet, {back_, next_, finish_, cancel_});
    sheet_ = sheet;
}

// ---- pages ----

void TaskWizard::GoTo(WizardPage page)
{
    page_ = page;
    sheet_->setCurrentWidget(pages_.at(page));
    const WizardPageLook look = PageLook(kind_, page);
    heading_->setText(QLatin1String(look.heading));
    picture_->setVisible(look.picture != nullptr);
    if (look.picture)
        picture_->setPixmap(LoadIcon(QLatin1String(look.picture)).pixmap(kPictureSize, kPictureSize));
    ShowButtons();
    layout()->activate();
}

void TaskWizard::Step(int step)
{
    editor_->Take();
    const WizardPage target = StepFrom(PageSequence(kind_, task_), page_, step);
    if (target == page_)
        return;
    editor_->Display();
    GoTo(target);
    if (target == WizardPage::Advanced && step > 0)
        editor_->AlarmRule();
}

void TaskWizard::ShowButtons()
{
    const WizardButtons shown = ButtonsOn(PageSequence(kind_, task_), page_);
    back_->setEnabled(shown.back);
    next_->setEnabled(shown.next);
    finish_->setEnabled(shown.finish);
    // Enter presses Finish on the last page, Next on the others.
    next_->setDefault(!shown.finish);
    finish_->setDefault(shown.finish);
}

void TaskWizard::OpenScriptList()
{
    editor_->Take();
    Procedures().Start(QLatin1String(kBrowseScriptingProcedure), this);
    editor_->Display();
}

// ---- closing ----

void TaskWizard::accept()
{
    if (!opened_ || !finish_->isEnabled())
        return;
    // A date or time still being typed is taken first.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    editor_->Take();
    Dictionary& tables = Tables();
    if (TaskHasNothingToDo(task_, TaskHasScriptItems(tables.Scripting, task_.ID))) {
        Prompt::Message(QLatin1String(kNothingToDoText), QLatin1String(kNothingToDoCaption), PromptIcon::Exclamation);
        return;
    }
    TaskSaved saved = TaskSaved::Failed;
    if (kind_ == TaskWizardKind::SpecialEvent)
        saved = FinishSpecialEvent(tables, task_, base_, sourceId_);
    else if (kind_ == TaskWizardKind::Script)
        saved = FinishScriptTask(tables, task_, base_, hotKey_.has_value());
    else
        saved = FinishWizardTask(tables, task_, base_);
    if (saved != TaskSaved::Saved) {
        editor_->Display();
        return;
    }
    reserved_ = false;
    scriptAsRead_.reset();
    // The task lists show no hot key's task.
    if (!hotKey_)
        NotifyBrowseThreads();
    QDialog::accept();
}

void TaskWizard::done(int result)
{
    CloseDown();
    QDialog::done(result);
}

void TaskWizard::CloseDown()
{
    if (closed_)
        return;
    closed_ = true;
    if (editor_)
        editor_->Close();
    // A task not finished goes, and with it the script stored under its ID;
    // a stored task not finished keeps the script it had.
    if (reserved_)
        ReleaseTask(Tables(), task_.ID, base_.RecordPointer);
    if (scriptAsRead_) {
        const DataError error = RestoreTaskScript(Tables().Scripting, task_.ID, *scriptAsRead_);
        if (!error.Ok())
            Prompt::Message(error.Describe(), QLatin1String(kScriptErrorCaption), PromptIcon::Stop);
    }
    reserved_ = false;
    scriptAsRead_.reset();
    tables_.Close();
}

// ---- starting ----

bool OpenSpecialEventWizard(int32_t sourceTaskId, QWidget* list, std::function<void(bool stored)> done)
{
    auto* wizard = new TaskWizard(TaskWizardKind::SpecialEvent, sourceTaskId, list);
    if (!wizard->Opened()) {
        delete wizard;
        return false;
    }
    wizard->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(wizard, &QDialog::finished, wizard, [done = std::move(done)](int result) {
        if (done)
            done(result == QDialog::Accepted);
    });
    wizard->open();
    return true;
}

bool OpenSeededMessageWizard(const ScheduleRecord& seed, QWidget* parent)
{
    auto* wizard = new TaskWizard(TaskWizardKind::Message, 0, parent, &seed);
    if (!wizard->Opened()) {
        delete wizard;
        return false;
    }
    wizard->setAttribute(Qt::WA_DeleteOnClose);
    wizard->open();
    return true;
}

void RegisterTaskWizards()
{
    for (TaskWizardKind kind : {TaskWizardKind::Task, TaskWizardKind::Program, TaskWizardKind::Message}) {
        Procedures().RegisterWindow(QLatin1String(WizardTexts(kind).positionKey), [kind]() -> QWidget* {
            auto* wizard = new TaskWizard(kind);
            if (wizard->Opened())
                return wizard;
            delete wizard;
            return nullptr;
        });
    }
    Procedures().RegisterModal(QLatin1String(kSpecialEventWizardProcedure), [](QWidget* window) {
        const auto* list = dynamic_cast<const TaskListWindow*>(window);
        if (list && list->HighlightedTaskId() != 0)
            OpenSpecialEventWizard(list->HighlightedTaskId(), window);
    });
}

} // namespace vl
