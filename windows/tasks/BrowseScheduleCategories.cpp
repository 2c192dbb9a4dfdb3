#include "windows/tasks/BrowseScheduleCategories.h"

#include "platform/browse/KeyOrders.h"
#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "windows/pim/CategoryPanes.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/EventNumbers.h"
#include "platform/widgets/NumberedEvents.h"
#include "platform/widgets/ThreadRegistry.h"
#include "platform/widgets/WindowPosition.h"
#include "windows/tasks/ListButtons.h"
#include "windows/tasks/TaskForm.h"
#include "windows/tasks/UpdateCategories.h"
#include "xplore/windows/Xplore.h"

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

QPushButton* CloseButton(QWidget* window)
{
    auto* close = new QPushButton(QStringLiteral("Cl&ose"), window);
    close->setAutoDefault(false);
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    return close;
}

} // namespace

BrowseScheduleCategories::BrowseScheduleCategories(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Task Categories"));
    setObjectName(QLatin1String(kBrowseScheduleCategoriesProcedure));
    setAttribute(Qt::WA_DeleteOnClose);
    Dictionary& tables = Tables();
    categoriesOpened_ = OpenTable(tables.Categories);
    scheduleOpened_ = OpenTable(tables.Schedule);

    categoryModel_ = std::make_unique<BrowseModel>(tables.Categories);
    categoryModel_->SetColumns({{QStringLiteral("CAT:Category"), QStringLiteral("Categories"), QStringLiteral("@s20")}});
    AddKeyOrder(*categoryModel_, QStringLiteral("By Category"), CAT_KEYCATEGORY);
    categories_ = CategoryPaneList(this, categoryModel_.get());

    taskModel_ = std::make_unique<BrowseModel>(tables.Schedule);
    std::vector<BrowseColumn> columns;
    for (const TaskColumn& column : kTaskColumns)
        columns.push_back({QLatin1String(column.field), QLatin1String(column.header), QLatin1String(column.picture),
                           QLatin1String(column.field) == QLatin1String("SCH:Date")});
    taskModel_->SetColumns(columns);
    taskModel_->SetUserDatePicture(UserDatePicture() + QLatin1Char('b'));
    AddKeyOrder(*taskModel_, QStringLiteral("By Date"), SCH_KEYCATEGORYDATE);
    taskModel_->SetFilter(kEnabledFilter, {{QStringLiteral("SCH:Disabled"), Compare::Equal, int64_t{0}}});
    tasks_ = new BrowseList(this);
    tasks_->SetBrowseModel(taskModel_.get());

    // Categories: their own form. Their buttons in two rows keep the pane narrow.
    auto* categoryRow = new QHBoxLayout;
    auto* categoryRow2 = new QHBoxLayout;
    categoryButtons_ = MakeListButtons(this, {"&New", "&View", nullptr, nullptr, nullptr}, *categoryRow);
    const BrowseButtons editDelete = MakeListButtons(this, {nullptr, nullptr, nullptr, "&Edit", "&Delete"}, *categoryRow2);
    categoryButtons_.change = editDelete.change;
    categoryButtons_.remove = editDelete.remove;
    categoryButtons_.change->setDefault(true);
    new ViewCopyBrowse(categories_, categoryButtons_, [this](FormRequest request, bool) { OpenCategoryForm(request); });

    // Tasks of the highlighted category: the task form, when the program has one.
    auto* taskRow = new QHBoxLayout;
    taskButtons_ = MakeListButtons(this, {"New", "View", "Cop&y", "Edit", "Delete"}, *taskRow);
    taskRow->addStretch();
    taskRow->addWidget(CloseButton(this));
    ViewCopyBrowse* taskViewCopy = nullptr;
    if (TaskForm()) {
        taskButtons_.change->setDefault(true);
        taskViewCopy = new ViewCopyBrowse(tasks_, taskButtons_,
                                          [this](FormRequest request, bool copy) { OpenTaskForm(request, copy); });
    } else {
        for (QPushButton* button : {taskButtons_.insert, taskButtons_.view, taskButtons_.copy, taskButtons_.change,
                                    taskButtons_.remove}) {
            button->setEnabled(false);
            button->setToolTip(QLatin1String(kNoTaskFormTip));
        }
    }

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(categories_);
    leftLayout->addLayout(categoryRow);
    leftLayout->addLayout(categoryRow2);
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QLatin1String(kCategoryTasksCaption));
    caption->setBuddy(tasks_);
    rightLayout->addWidget(caption);
    rightLayout->addWidget(tasks_);
    rightLayout->addLayout(taskRow);
    auto* panes = new QSplitter(Qt::Horizontal, this);
    panes->addWidget(left);
    panes->addWidget(right);
    panes->setStretchFactor(1, 3);
    panes->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panes);

    xplore_ = new CategoryTasksXplore(this);
    xplore_->SetupForBrowse(tasks_, taskModel_.get(), this,
                            {QLatin1String(kBrowseScheduleCategoriesProcedure), QStringLiteral("?List"),
                             SortMarkStyle::Underline});
    if (taskViewCopy)
        taskViewCopy->AddPopupItems(*xplore_->Popup());
    xplore_->Activate();

    FollowHighlightedCategory(this, categories_, categoryModel_.get(), [this] { ShowTasksOfCategory(); });
    resize(760, 420);
    panes->setSizes({200, 560});
    KeepWindowPosition(*this, QLatin1String(kBrowseScheduleCategoriesProcedure));

    // Its tasks are a task list too: the refresh every task list hears.
    Threads().Join(ThreadGroup::TaskLists, Threads().Register(this));
    connect(NumberedEvents::Of(this), &NumberedEvents::Received, this, [this](int number) {
        if (number == EventNumber::kRefreshTaskList)
            tasks_->Refresh();
    });
}

BrowseScheduleCategories::~BrowseScheduleCategories()
{
    // The enhancement and the lists go before the models they show.
    delete xplore_;
    delete tasks_;
    delete categories_;
    if (scheduleOpened_)
        Tables().Schedule.Close();
    if (categoriesOpened_)
        Tables().Categories.Close();
}

QString BrowseScheduleCategories::Category() const
{
    return HighlightedCategory(categories_, *categoryModel_, &CategoriesRecord::Category);
}

void BrowseScheduleCategories::ShowTasksOfCategory()
{
    const int row = categories_->CurrentRow();
    CategoriesRecord category;
    // A filter rather than a range: it holds in every order, record order
    // included.
    if (row >= 0 && categoryModel_->Record(row, category)) {
        taskModel_->SetFilter(kCategoryFilter, {{QStringLiteral("SCH:Category"), Compare::Equal,
                                                 FieldValue(Clip(category.Category)), Join::And, true}});
        return;
    }
    // No category highlighted: no task either.
    taskModel_->SetFilter(kCategoryFilter, {{QStringLiteral("SCH:Disabled"), Compare::Equal, int64_t{1}}});
}

void BrowseScheduleCategories::OpenCategoryForm(FormRequest request)
{
    OpenCategoryPaneForm<UpdateCategories>(this, categories_, *categoryModel_, Tables().Categories, request);
}

void BrowseScheduleCategories::OpenTaskForm(FormRequest request, bool copy)
{
    TaskFormCall call;
    call.request = request;
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    if (request == FormRequest::Insert && !copy) {
        schedule.Clear(call.task);
        call.task.Category = Category();
    } else if (!taskModel_->Record(tasks_->CurrentRow(), call.task) ||
               !schedule.Get(call.task.RecordPointer, call.task)) {
        tasks_->Refresh();
        return;
    }
    if (copy) {
        call.copySourceTaskId = call.task.ID;
        call.task.ID = 0;
        call.task.RecordPointer = 0;
    }
    TaskForm()(this, call, [this] { tasks_->Refresh(); });
}

} // namespace vl
