#include "windows/tasks/TaskList.h"

#include "platform/browse/KeyOrders.h"
#include "core/base/Globals.h"
#include "core/base/UserDate.h"
#include "core/cycle/SchedulerState.h"
#include "core/dictionary/Dictionary.h"
#include "core/dictionary/QueryFieldCatalogue.h"
#include "scheduler/engine/DueTask.h"
#include "core/startup/QueryWizardTexts.h"
#include "windows/frame/quickstart/QuickStartMenu.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/EventNumbers.h"
#include "platform/ui/PromptService.h"
#include "platform/ui/ThreadPost.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/NumberedEvents.h"
#include "platform/widgets/QueryDialog.h"
#include "platform/widgets/SecondBeat.h"
#include "platform/widgets/TableChangeWatch.h"
#include "platform/widgets/ThreadRegistry.h"
#include "platform/widgets/WindowPosition.h"
#include "tasks/ReservedTasks.h"
#include "tasks/TaskFormRules.h"
#include "tasks/TaskListFilters.h"
#include "tasks/TaskStore.h"
#include "windows/lists/ListButtons.h"
#include "windows/tasks/TaskForm.h"
#include "windows/tasks/UpdateSchedule.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

TaskList::TaskList(const Texts& texts, const TaskListLayout& layout, const std::map<QString, Filter>& firstFilters,
                   QWidget* parent)
    : QWidget(parent, Qt::Window), procedure_(texts.procedure),
      savedQueries_(QLatin1String(kSavedQueriesFile), QLatin1String(kScheduleQueryName)), lastDay_(Today())
{
    setObjectName(QLatin1String(procedure_));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(MultiUser && !Clip(UserID).isEmpty() ? QLatin1String(texts.multiUserCaption) + Clip(UserID)
                                                        : QLatin1String(texts.caption));
    Dictionary& tables = Tables();
    scheduleOpened_ = OpenTable(tables.Schedule);
    categoriesOpened_ = OpenTable(tables.Categories);
    scriptingOpened_ = OpenTable(tables.Scripting);

    model_ = std::make_unique<BrowseModel>(tables.Schedule);
    model_->SetColumns(TaskListColumns(tables.Schedule.DefinitionPtr(), layout));
    model_->SetUserDatePicture(UserDatePicture() + QLatin1Char('b'));
    AddKeyOrder(*model_, QStringLiteral("Date"), SCH_KEYDATE);
    // The list counts its rows and reads the first of them as soon as it
    // shows the model: the view that opens is set up before.
    model_->SetFilters(firstFilters);
    // A task reserved for an open form or wizard is left out until it is stored.
    // Set before the list shows the model, which counts its rows at each
    // change it is shown.
    const auto leaveOutReserved = [this] {
        model_->SetFilters({{QLatin1String(kReservedFilterName), NotReservedFilter(ProgramReservedTasks().Ids())}});
    };
    leaveOutReserved();
    reservedWatcher_ = ProgramReservedTasks().Watch(leaveOutReserved);

    list_ = new BrowseList(this);
    list_->SetBrowseModel(model_.get());

    layout_ = new QVBoxLayout(this);
    layout_->addWidget(list_, 1);
    layout_->addLayout(MakeButtons());
    execute_->setText(QString::fromUtf8(texts.execute));
    queryButton_->setText(QString::fromUtf8(texts.query));

    xplore_ = new TaskListXplore(layout, this);
    xplore_->SetupForBrowse(list_, model_.get(), this,
                            {QLatin1String(procedure_), QStringLiteral("?Browse:1"), SortMarkStyle::Header});
    viewCopy_->AddPopupItems(*xplore_->Popup());
    AddPopupItems(*xplore_->Popup());
    xplore_->Activate();

    if (!query_.Open(tables.Schedule, tables.Scripting, tables.Categories))
        queryButton_->setToolTip(QStringLiteral("The query is not available"));

    const int thread = Threads().Register(this);
    Threads().Join(ThreadGroup::TaskLists, thread);
    connect(NumberedEvents::Of(this), &NumberedEvents::Received, this, [this](int number) {
        if (number == EventNumber::kRefreshTaskList)
            Refresh();
        else if (number == EventNumber::kBringForward || number == EventNumber::kWindowOpened)
            list_->setFocus();
    });
    connect(&Procedures(), &FrameProcedures::Changed, this, &TaskList::UpdateButtons);
    connect(model_.get(), &QAbstractItemModel::modelReset, this, &TaskList::UpdateButtons);
    // Tasks another program changed (a message the message program snoozed)
    // are read again: that program cannot reach this list with the refresh
    // event. The day is looked at on the same once-a-second beat.
    new TableChangeWatch(tables.Schedule, *list_, *this);
    connect(&SecondBeat::Instance(), &SecondBeat::Beat, this, &TaskList::CheckDay);
    KeepWindowPosition(*this, QLatin1String(procedure_));
}

TaskList::~TaskList()
{
    ProgramReservedTasks().Unwatch(reservedWatcher_);
    // The enhancement and the list go before the model they show.
    delete xplore_;
    delete list_;
    Dictionary& tables = Tables();
    if (scriptingOpened_)
        tables.Scripting.Close();
    if (categoriesOpened_)
        tables.Categories.Close();
    if (scheduleOpened_)
        tables.Schedule.Close();
}

Table<ScheduleRecord>& TaskList::Schedule()
{
    return Tables().Schedule;
}

void TaskList::AddTop(QWidget* top, std::initializer_list<QWidget*> focusOrder)
{
    layout_->insertWidget(0, top);
    QWidget* previous = nullptr;
    for (QWidget* next : focusOrder) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    if (previous)
        setTabOrder(previous, list_);
}

void TaskList::Opened()
{
    UpdateButtons();
    list_->setFocus();
}

QPushButton* TaskList::AddButton(QBoxLayout* row, const QString& text, void (TaskList::*action)())
{
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    row->addWidget(button);
    return button;
}

QBoxLayout* TaskList::MakeButtons()
{
    auto* rows = new QVBoxLayout;
    auto* first = new QHBoxLayout;
    auto* second = new QHBoxLayout;
    rows->addLayout(first);
    rows->addLayout(second);
    const BrowseButtons buttons = MakeListButtons(this, {"&New", nullptr, "Cop&y", "&Edit", "&Delete"}, *first);
    buttons.change->setDefault(true);
    viewCopy_ = new ViewCopyBrowse(list_, buttons, [this](FormRequest request, bool copy) { OpenForm(request, copy); });
    first->addSpacing(12);
    special_ = AddButton(first, QStringLiteral("S&pecial"), &TaskList::Special);
    quick_ = AddButton(first, QStringLiteral("&Quick"), &TaskList::Quick);
    execute_ = AddButton(first, QString(), &TaskList::Execute);
    first->addStretch();
    scripting_ = AddButton(second, QStringLiteral("&Scripting"), &TaskList::Scripting);
    editAsText_ = AddButton(second, QStringLiteral("Edit Script as Text"), &TaskList::EditScriptAsText);
    second->addSpacing(12);
    activeOnly_ = AddButton(second, QStringLiteral("Show Active Only"), &TaskList::ShowActiveOnly);
    showAll_ = AddButton(second, QStringLiteral("Show All"), &TaskList::ShowAll);
    second->addStretch();
    auto* close = new QPushButton(QStringLiteral("Cl&ose"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    second->addWidget(close);
    // Query and Reset go above the list, where the derived list places them.
    queryButton_ = new QPushButton(this);
    queryButton_->setAutoDefault(false);
    connect(queryButton_, &QPushButton::clicked, this, &TaskList::OpenQuery);
    reset_ = new QPushButton(QStringLiteral("Reset"), this);
    reset_->setAutoDefault(false);
    connect(reset_, &QPushButton::clicked, this, &TaskList::ResetQuery);
    return rows;
}

void TaskList::AddPopupItems(QMenu& menu)
{
    const auto item = [this, &menu](QPushButton* button) {
        QAction* action = menu.addAction(button->text());
        connect(action, &QAction::triggered, button, &QPushButton::click);
        popupItems_.emplace_back(action, button);
    };
    item(special_);
    item(execute_);
    item(quick_);
    menu.addSeparator();
    item(scripting_);
    item(editAsText_);
    menu.addSeparator();
    item(activeOnly_);
    item(showAll_);
    menu.addSeparator();
    item(queryButton_);
    item(reset_);
    menu.addSeparator();
    connect(&menu, &QMenu::aboutToShow, this, &TaskList::UpdateButtons);
}

void TaskList::UpdateButtons()
{
    const bool rows = model_->rowCount() > 0;
    special_->setEnabled(rows && Procedures().Has(QLatin1String(kSpecialEventProcedure)));
    quick_->setEnabled(rows);
    execute_->setEnabled(rows);
    scripting_->setEnabled(rows && Procedures().Has(QLatin1String(kScriptListProcedure)));
    editAsText_->setEnabled(rows && Procedures().Has(QLatin1String(kEditScriptAsTextProcedure)));
    activeOnly_->setEnabled(!ActiveOnly());
    showAll_->setEnabled(!ShowsAll());
    queryButton_->setEnabled(query_.Available());
    reset_->setEnabled(query_.Available() && !query_.Current().empty());
    for (const auto& [action, button] : popupItems_) {
        action->setText(button->text());
        action->setEnabled(button->isEnabled());
    }
}

int32_t TaskList::HighlightedTaskId() const
{
    ScheduleRecord task;
    return model_->Record(list_->CurrentRow(), task) ? task.ID : 0;
}

void TaskList::Refresh()
{
    list_->Refresh();
}

bool TaskList::Highlighted(ScheduleRecord& task)
{
    if (model_->Record(list_->CurrentRow(), task) && Schedule().Get(task.RecordPointer, task))
        return true;
    // Gone meanwhile (the scheduler or another program deleted it).
    Refresh();
    return false;
}

void TaskList::OpenForm(FormRequest request, bool copy)
{
    if (!TaskForm())
        return;
    TaskFormCall call;
    call.request = request;
    if (request == FormRequest::Insert && !copy) {
        Schedule().Clear(call.task);
        call.task.Date = DateToUse();
    } else if (!Highlighted(call.task)) {
        return;
    }
    if (copy) {
        call.copySourceTaskId = call.task.ID;
        call.task.ID = 0;
        call.task.RecordPointer = 0;
    }
    // The form tells the other lists itself.
    TaskForm()(this, call, [this] { Refresh(); });
}

void TaskList::TasksChanged()
{
    // This list at once; the others (and this one again) when the event comes.
    Refresh();
    NotifyBrowseThreads();
}

void TaskList::Special()
{
    Procedures().Start(QLatin1String(kSpecialEventProcedure), this);
    Refresh();
}

void TaskList::Quick()
{
    ScheduleRecord task;
    if (Highlighted(task) && QuickStartTask(task, this) != 0)
        TasksChanged();
}

void TaskList::Execute()
{
    ScheduleRecord task;
    if (!Highlighted(task))
        return;
    if (TaskRunsOnlyItsScript(task) && !TaskHasScriptItems(Tables().Scripting, task.ID)) {
        Prompt::Message(NoScriptItemsText(task.Description), QLatin1String(kNoScriptItemsCaption),
                        PromptIcon::Information);
        return;
    }
    TempScriptingActive = true;
    PerformTaskNow(task);
}

void TaskList::Scripting()
{
    if (!Highlighted(scriptTask_))
        return;
    const QString type = Clip(scriptTask_.TaskType);
    if (!type.startsWith(u'R') && !type.startsWith(u'B')) {
        Prompt::Message(QLatin1String(kNoScriptingMessage), QLatin1String(kNoScriptingCaption), PromptIcon::Stop);
        return;
    }
    ScheduleRecord base = scriptTask_;
    Procedures().Start(QLatin1String(kScriptListProcedure), this);
    // The script list fills in a blank command or description for us to store.
    if ((Clip(scriptTask_.Command) != Clip(base.Command) || Clip(scriptTask_.Description) != Clip(base.Description))
        && SaveTask(Tables(), scriptTask_, base) == TaskSaved::Saved)
        NotifyBrowseThreads();
    Refresh();
}

void TaskList::EditScriptAsText()
{
    ScheduleRecord task;
    if (!Highlighted(task))
        return;
    scriptTask_ = task;
    Procedures().Start(QLatin1String(kEditScriptAsTextProcedure), this);
    Refresh();
}

void TaskList::ShowActiveOnly()
{
    SetActiveOnly(true);
    UpdateButtons();
}

void TaskList::ShowAll()
{
    SetActiveOnly(false);
    UpdateButtons();
}

void TaskList::OpenQuery()
{
    if (!query_.Available())
        return;
    auto* dialog = new QueryDialog(query_.Catalogue(), QueryTexts(QueryWizardDisplayTexts()), &savedQueries_,
                                   query_.Current(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { ApplyQuery(dialog->Result()); });
    dialog->open();
}

bool TaskList::ApplyQuery(const vl::Query& query)
{
    Filter filter;
    QString error;
    if (!query_.Apply(query, filter, error)) {
        Prompt::Message(error, QLatin1String(kQueryErrorCaption), PromptIcon::Exclamation);
        return false;
    }
    if (!model_->SetFilter(QLatin1String(kQueryFilterName), filter)) {
        const QString failure = model_->Error();
        ResetQuery();
        Prompt::Message(failure, QLatin1String(kQueryErrorCaption), PromptIcon::Exclamation);
        return false;
    }
    // Read again from the start.
    list_->SelectRow(0);
    UpdateButtons();
    return true;
}

void TaskList::ResetQuery()
{
    query_.Reset();
    model_->RemoveFilter(QLatin1String(kQueryFilterName));
    UpdateButtons();
}

void TaskList::CheckDay()
{
    const Date today = Today();
    if (today == lastDay_)
        return;
    const Date lastDay = lastDay_;
    lastDay_ = today;
    DayChanged(lastDay, today);
}

} // namespace vl
