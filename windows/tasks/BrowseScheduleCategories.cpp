#include "windows/tasks/BrowseScheduleCategories.h"

#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "windows/lists/CategoryPanes.h"
#include "platform/runtime/FixedText.h"
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

const QString kEnabledFilter = QStringLiteral("Enabled");
const QString kCategoryFilter = QStringLiteral("Category");

struct TaskColumn {
    const char* field;
    const char* header;
    const char* picture;
    int width;
    bool displayed;
};

// The task list's columns: the four shown, then the ID and category its
// rows also carry (sortable, shown when the user asks for them).
const TaskColumn kTaskColumns[] = {
    {"SCH:Date", "Date", "@d3b", 50, true},
    {"SCH:Time", "Time", "@t1b", 28, true},
    {"SCH:Description", "Description", "@s40", 120, true},
    {"SCH:TaskType", "Task Type", "@s20", 60, true},
    {"SCH:ID", "ID", "@n_9", 35, false},
    {"SCH:Category", "Category", "@s20", 70, false},
};

class CategoryTasksXplore : public Xplore {
public:
    using Xplore::Xplore;

protected:
    std::vector<ColumnDefinition> DefineColumns() override
    {
        std::vector<ColumnDefinition> columns;
        for (const TaskColumn& column : kTaskColumns) {
            ColumnDefinition definition;
            definition.field = QLatin1String(column.field);
            definition.header = QLatin1String(column.header);
            definition.description = definition.header;
            definition.picture = QLatin1String(column.picture);
            if (definition.field == QLatin1String("SCH:Date")) {
                definition.picture = UserDatePicture() + QLatin1Char('b');
                definition.graph = true; // "Graph on" counts the tasks of each date
            }
            definition.width = column.width;
            definition.displayed = column.displayed;
            definition.sortable = true;
            columns.push_back(definition);
        }
        return columns;
    }

};

} // namespace

BrowseScheduleCategories::BrowseScheduleCategories(QWidget* parent)
    : QWidget(parent, Qt::Window), categories_(*this, Tables().Categories), tasks_(*this, Tables().Schedule)
{
    SetUpListWindow(*this, kBrowseScheduleCategoriesProcedure, QStringLiteral("Task Categories"));
    SetUpCategoryPane(categories_, "CAT:Category", CAT_KEYCATEGORY);
    std::vector<BrowseColumn> columns;
    for (const TaskColumn& column : kTaskColumns)
        columns.push_back({QLatin1String(column.field), QLatin1String(column.header), QLatin1String(column.picture),
                           QLatin1String(column.field) == QLatin1String("SCH:Date")});
    tasks_.Model().SetColumns(columns);
    tasks_.Model().SetUserDatePicture(UserDatePicture() + QLatin1Char('b'));
    AddKeyOrder(tasks_.Model(), QStringLiteral("By Date"), SCH_KEYCATEGORYDATE);
    tasks_.Model().SetFilter(kEnabledFilter, {{QStringLiteral("SCH:Disabled"), Compare::Equal, int64_t{0}}});

    // Categories: their own form. Their buttons in two rows keep the pane narrow.
    auto* categoryRow = new QHBoxLayout;
    auto* categoryRow2 = new QHBoxLayout;
    BrowseButtons categoryButtons = MakeListButtons(this, {"&New", "&View", nullptr, nullptr, nullptr}, *categoryRow);
    const BrowseButtons editDelete = MakeListButtons(this, {nullptr, nullptr, nullptr, "&Edit", "&Delete"}, *categoryRow2);
    categoryButtons.change = editDelete.change;
    categoryButtons.remove = editDelete.remove;
    categoryButtons.change->setDefault(true);
    categories_.UseButtons(categoryButtons, [this](FormRequest request, bool) { OpenCategoryForm(request); });

    // Tasks of the highlighted category: the task form, when the program has one.
    auto* taskRow = new QHBoxLayout;
    ViewCopyBrowse::AskForm openTask;
    if (TaskForm())
        openTask = [this](FormRequest request, bool copy) { OpenTaskForm(request, copy); };
    const BrowseButtons& taskButtons = tasks_.AddButtons(*taskRow, {"New", "View", "Cop&y", "Edit", "Delete"}, openTask);
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

    tasks_.Enhance(std::make_unique<CategoryTasksXplore>(this),
                   {QLatin1String(kBrowseScheduleCategoriesProcedure), QStringLiteral("?List"),
                    SortMarkStyle::Underline});

    FollowHighlightedCategory(this, CategoryList(), &categories_.Model(), [this] { ShowTasksOfCategory(); });
    KeepListWindowPlace(*this, kBrowseScheduleCategoriesProcedure, {760, 420});
    panes->setSizes({200, 560});

    // Its tasks are a task list too: the refresh every task list hears.
    Threads().Join(ThreadGroup::TaskLists, Threads().Register(this));
    connect(NumberedEvents::Of(this), &NumberedEvents::Received, this, [this](int number) {
        if (number == EventNumber::kRefreshTaskList)
            TaskList()->Refresh();
    });
}

QString BrowseScheduleCategories::Category() const
{
    return HighlightedCategory(CategoryList(), categories_.Model(), &CategoriesRecord::Category);
}

void BrowseScheduleCategories::ShowTasksOfCategory()
{
    const int row = CategoryList()->CurrentRow();
    CategoriesRecord category;
    // A filter rather than a range: it holds in every order, record order
    // included.
    if (row >= 0 && categories_.Model().Record(row, category)) {
        TaskModel()->SetFilter(kCategoryFilter, {{QStringLiteral("SCH:Category"), Compare::Equal,
                                                  FieldValue(Clip(category.Category)), Join::And, true}});
        return;
    }
    // No category highlighted: no task either.
    TaskModel()->SetFilter(kCategoryFilter, {{QStringLiteral("SCH:Disabled"), Compare::Equal, int64_t{1}}});
}

void BrowseScheduleCategories::OpenCategoryForm(FormRequest request)
{
    OpenCategoryPaneForm<UpdateCategories>(this, CategoryList(), categories_.Model(), Tables().Categories, request);
}

void BrowseScheduleCategories::OpenTaskForm(FormRequest request, bool copy)
{
    TaskFormCall call;
    call.request = request;
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    if (request == FormRequest::Insert && !copy) {
        schedule.Clear(call.task);
        call.task.Category = Category();
    } else if (!TaskModel()->Record(TaskList()->CurrentRow(), call.task) ||
               !schedule.Get(call.task.RecordPointer, call.task)) {
        TaskList()->Refresh();
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
