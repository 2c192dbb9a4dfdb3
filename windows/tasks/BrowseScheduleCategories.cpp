#include "windows/tasks/BrowseScheduleCategories.h"

#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "windows/lists/ListColumns.h"
#include "windows/lists/RecordForms.h"
#include "platform/ui/EventNumbers.h"
#include "platform/widgets/NumberedEvents.h"
#include "platform/widgets/ThreadRegistry.h"
#include "windows/tasks/TaskForm.h"
#include "windows/tasks/UpdateCategories.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace vl {

namespace {

// The task list's columns: the four shown, then the ID and category its
// rows also carry (sortable, shown when the user asks for them). "Graph on"
// counts the tasks of each date.
const std::vector<ListColumn> kTaskColumns = {
    {"SCH:Date", "Date", "@d3b", "Date", 50, kUserDateColumn | kBlankZeroDate | kGraphColumn},
    {"SCH:Time", "Time", "@t1b", "Time", 28},
    {"SCH:Description", "Description", "@s40", "Description", 120},
    {"SCH:TaskType", "Task Type", "@s20", "Task Type", 60},
    {"SCH:ID", "ID", "@n_9", "ID", 35, kHiddenColumn},
    {"SCH:Category", "Category", "@s20", "Category", 70, kHiddenColumn},
};

} // namespace

BrowseScheduleCategories::BrowseScheduleCategories(QWidget* parent)
    : CategoryWindow(parent, kBrowseScheduleCategoriesProcedure, QStringLiteral("Task Categories"),
                     Tables().Categories, "CAT:Category", CAT_KEYCATEGORY, Tables().Schedule)
{
    TaskModel()->SetColumns(BrowseColumnsOf(kTaskColumns));
    TaskModel()->SetUserDatePicture(UserDatePicture() + QLatin1Char('b'));
    AddKeyOrder(*TaskModel(), QStringLiteral("By Date"), SCH_KEYCATEGORYDATE);
    TaskModel()->SetFilter(QStringLiteral("Enabled"), {{QStringLiteral("SCH:Disabled"), Compare::Equal, int64_t{0}}});

    // Categories: their own form. Their buttons in two rows keep the pane narrow.
    auto* categoryRow = new QHBoxLayout;
    auto* categoryRow2 = new QHBoxLayout;
    BrowseButtons categoryButtons = MakeListButtons(this, {"&New", "&View", nullptr, nullptr, nullptr}, *categoryRow);
    const BrowseButtons editDelete = MakeListButtons(this, {nullptr, nullptr, nullptr, "&Edit", "&Delete"}, *categoryRow2);
    categoryButtons.change = editDelete.change;
    categoryButtons.remove = editDelete.remove;
    categoryButtons.change->setDefault(true);
    categories_.UseButtons(categoryButtons, RecordForms<UpdateCategories>(categories_, Tables().Categories));

    // Tasks of the highlighted category: the task form, when the program has one.
    auto* taskRow = new QHBoxLayout;
    ViewCopyBrowse::AskForm openTask;
    if (TaskForm())
        openTask = [this](FormRequest request, bool copy) { OpenTaskForm(request, copy); };
    const BrowseButtons& taskButtons = items_.AddButtons(*taskRow, {"New", "View", "Cop&y", "Edit", "Delete"}, openTask);
    taskRow->addStretch();
    AddCloseButton(*this, *taskRow);
    if (!openTask) {
        for (QPushButton* button : {taskButtons.insert, taskButtons.view, taskButtons.copy, taskButtons.change,
                                    taskButtons.remove}) {
            button->setEnabled(false);
            button->setToolTip(QLatin1String(kNoTaskFormTip));
        }
    }

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(CategoryList());
    leftLayout->addLayout(categoryRow);
    leftLayout->addLayout(categoryRow2);
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QLatin1String(kCategoryTasksCaption));
    caption->setBuddy(TaskList());
    rightLayout->addWidget(caption);
    rightLayout->addWidget(TaskList());
    rightLayout->addLayout(taskRow);
    auto* panes = new QSplitter(Qt::Horizontal, this);
    panes->addWidget(left);
    panes->addWidget(right);
    panes->setStretchFactor(1, 3);
    panes->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panes);

    items_.Enhance(std::make_unique<ColumnTableXplore>(kTaskColumns, this),
                   {QLatin1String(kBrowseScheduleCategoriesProcedure), QStringLiteral("?List"),
                    SortMarkStyle::Underline});

    // A filter rather than a range: it holds in every order, record order
    // included. No category highlighted: no task either.
    FollowHighlightedCategory("SCH:Category", {{QStringLiteral("SCH:Disabled"), Compare::Equal, int64_t{1}}});
    KeepListWindowPlace(*this, kBrowseScheduleCategoriesProcedure, {760, 420});
    panes->setSizes({200, 560});

    // Its tasks are a task list too: the refresh every task list hears.
    Threads().Join(ThreadGroup::TaskLists, Threads().Register(this));
    connect(NumberedEvents::Of(this), &NumberedEvents::Received, this, [this](int number) {
        if (number == EventNumber::kRefreshTaskList)
            TaskList()->Refresh();
    });
}

void BrowseScheduleCategories::OpenTaskForm(FormRequest request, bool copy)
{
    TaskFormCall call;
    call.request = request;
    if (request == FormRequest::Insert && !copy) {
        Tables().Schedule.Clear(call.task);
        call.task.Category = Category();
    } else if (!HighlightedRecord(items_, Tables().Schedule, call.task)) {
        return;
    }
    if (copy) {
        call.copySourceTaskId = call.task.ID;
        call.task.ID = 0;
        call.task.RecordPointer = 0;
    }
    TaskForm()(this, call, [this] { TaskList()->Refresh(); });
}

} // namespace vl
