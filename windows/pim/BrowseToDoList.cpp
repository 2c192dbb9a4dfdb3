#include "windows/pim/BrowseToDoList.h"

#include "core/base/Globals.h"
#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "pim/TodoRules.h"
#include "windows/pim/TaskEditingServices.h"
#include "windows/pim/UpdateTodo.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "resources/ProgramIcons.h"
#include "windows/lists/ListColumns.h"
#include "windows/lists/RecordForms.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

namespace vl {

namespace {

const QString kCategoryFilter = QStringLiteral("Category");

// The done mark, priority, text, category and completion.
const std::vector<ListColumn> kColumns = {
    {"TDO:Done", "", "@s1", "Done", 10, kMarkColumn | kRightColumn},
    {"TDO:Priority", "Priority", "@n2", "Priority", 25, kRightColumn},
    {"TDO:ToDo", "To Do", "@s80", "To Do (Description)", 80},
    {"TDO:Category", "Category", "@s20", "Category", 76},
    {"TDO:CompletionDate", "Completion Date", "@d3b", "Completion Date", 80,
     kUserDateColumn | kBlankZeroDate | kRightColumn},
    {"TDO:CompletionTime", "Completion Time", "@t3b", "Completion Time", 80, kRightColumn},
};

class TodoXplore : public ColumnTableXplore {
public:
    explicit TodoXplore(QObject* parent) : ColumnTableXplore(kColumns, parent) {}

    // A header click sorts by the selected tab's key, then by the column.
    void FollowTab(const ViewOrder& key)
    {
        tabKey_ = key;
        RebuildColumnOrders();
    }

protected:
    ViewOrder DefineSortOrder(const ColumnOrder& column) override
    {
        ViewOrder order = tabKey_;
        order.parts.push_back(OrderPart{column.field, column.descending, column.noCase});
        return order;
    }

private:
    ViewOrder tabKey_;
};

QIcon Icon(const char* name)
{
    return LoadIcon(QLatin1String(name));
}

QPushButton* Button(const char* text, const char* icon, QWidget* parent)
{
    auto* button = new QPushButton(Icon(icon), QLatin1String(text), parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

BrowseToDoList::BrowseToDoList(QWidget* parent)
    : ListWindow(parent, Tables().Todo, kBrowseToDoListProcedure,
                 MultiUser && !Clip(UserID).isEmpty() ? QLatin1String(kToDoListUserCaption) + Clip(UserID)
                                                      : QLatin1String(kToDoListCaption),
                 [](TableFile&) { return OpenTodoList(Tables().Todo); })
{
    setWindowIcon(Icon("todo.ico"));
    std::vector<BrowseColumn> columns = BrowseColumnsOf(kColumns);
    ShowAsMark(columns[0], Tables().Todo.Definition(), Icon("~done.ico"), Icon("~blank.ico"));
    Model()->SetColumns(columns);
    Model()->SetUserDatePicture(UserDatePicture() + QLatin1Char('b'));
    for (const auto& [name, key] : {std::pair{"Done", TDO_KEYDONE}, std::pair{"Priority", TDO_KEYPRIORITY},
                                    std::pair{"To Do", TDO_KEYTODO}, std::pair{"Category", TDO_KEYCATEGORY}}) {
        AddKeyOrder(*Model(), QLatin1String(name), key);
    }

    auto* row = new QHBoxLayout;
    const BrowseButtons& buttons = pane_.AddButtons(*row, {"&New", nullptr, nullptr, "&Edit", "&Delete"},
                                                    [this](FormRequest request, bool) { OpenForm(request); });
    buttons.insert->setIcon(Icon("insert.ico"));
    buttons.change->setIcon(Icon("open.ico"));
    buttons.remove->setIcon(Icon("cut.ico"));
    row->addStretch();
    AddCloseButton(*this, *row)->setIcon(Icon("exit.ico"));
    LayOut(row, {MakeTabs()});

    auto* xplore = new TodoXplore(this);
    pane_.Enhance(std::unique_ptr<Xplore>(xplore),
                  {QLatin1String(kBrowseToDoListProcedure), QStringLiteral("?Browse:1"), SortMarkStyle::Header},
                  [this, xplore](QMenu& popup) {
                      popup.addAction(QStringLiteral("&Toggle Done Status"), this, &BrowseToDoList::ToggleDone);
                      popup.addSeparator();
                      transfer_ = popup.addAction(QStringLiteral("Transfer to Schedule"), this,
                                                  &BrowseToDoList::TransferToSchedule);
                      xplore->FollowTab(Model()->Orders().front().order);
                  });
    if (!CurrentTaskEditing()) {
        transfer_->setEnabled(false);
        transfer_->setToolTip(QLatin1String(kNoTaskEditingTip));
        pick_->setEnabled(false);
        pick_->setToolTip(QLatin1String(kNoTaskEditingTip));
    }
    // Items also come from the message windows, imports and synchronisation.
    pane_.WatchTable();
    KeepListWindowPlace(*this, kBrowseToDoListProcedure, {720, 420});
}

QWidget* BrowseToDoList::MakeTabs()
{
    tabs_ = new QTabWidget(this);
    for (const char* tab : {"Done", "Priority", "To Do"}) {
        auto* toggle = Button("&Toggle Done Status", "chkunchk.ico", this);
        connect(toggle, &QPushButton::clicked, this, &BrowseToDoList::ToggleDone);
        toggles_ << toggle;
        auto* page = new QWidget;
        auto* row = new QHBoxLayout(page);
        row->addWidget(toggle);
        row->addStretch();
        tabs_->addTab(page, QLatin1String(tab));
    }
    auto* toggle = Button("&Toggle", "chkunchk.ico", this);
    connect(toggle, &QPushButton::clicked, this, &BrowseToDoList::ToggleDone);
    toggles_ << toggle;
    pick_ = Button("&Pick", "", this);
    connect(pick_, &QPushButton::clicked, this, &BrowseToDoList::Pick);
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    row->addWidget(toggle);
    row->addWidget(pick_);
    row->addStretch();
    tabs_->addTab(page, QStringLiteral("Category"));
    tabs_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    connect(tabs_, &QTabWidget::currentChanged, this, &BrowseToDoList::ShowTab);
    return tabs_;
}

QPushButton* BrowseToDoList::ToggleButton(Tab tab) const
{
    return toggles_.value(tab);
}

void BrowseToDoList::ShowTab(int tab)
{
    Enhancement()->UseKeyOrder(tab);
    static_cast<TodoXplore*>(Enhancement())->FollowTab(Model()->Orders().at(static_cast<size_t>(tab)).order);
    if (tab == kCategoryTab) {
        Model()->SetFilter(kCategoryFilter, {{QStringLiteral("TDO:Category"), Compare::Equal, Clip(category_),
                                             Join::And, true}});
    } else {
        Model()->RemoveFilter(kCategoryFilter);
    }
    pane_.ViewCopy()->UpdateButtons();
    List()->setFocus();
}

void BrowseToDoList::SetCategory(const QString& category)
{
    category_ = Clip(category);
    tabs_->setTabToolTip(kCategoryTab, category_);
    if (tabs_->currentIndex() == kCategoryTab)
        ShowTab(kCategoryTab);
}

void BrowseToDoList::Pick()
{
    if (TaskEditingServices* editing = CurrentTaskEditing())
        editing->SelectCategory(this, [this](const QString& category) { SetCategory(category); });
}

void BrowseToDoList::OpenForm(FormRequest request)
{
    TodoRecord item;
    if (request == FormRequest::Insert) {
        // A new item takes the category last chosen; with none, "General"
        // becomes the one chosen.
        SetCategory(TodoCategoryOrGeneral(category_));
        item = NewTodoItem(Tables().Todo, category_);
    } else if (!HighlightedRecord(pane_, Tables().Todo, item)) {
        return;
    }
    OpenPaneForm(pane_, new UpdateTodo(request, item, this), [this] { pane_.ViewCopy()->UpdateButtons(); });
}

void BrowseToDoList::ShowItem(const TodoRecord& item)
{
    ShowStoredRecord(pane_, item);
    pane_.ViewCopy()->UpdateButtons();
}

void BrowseToDoList::ToggleDone()
{
    TodoRecord item;
    if (!Model()->Record(List()->CurrentRow(), item))
        return;
    ToggleStoredDone(Tables().Todo, item, Today(), Now());
    ShowItem(item);
    List()->setFocus();
}

void BrowseToDoList::TransferToSchedule()
{
    TaskEditingServices* editing = CurrentTaskEditing();
    TodoRecord item;
    if (!editing || !Model()->Record(List()->CurrentRow(), item))
        return;
    editing->AddMessageTask(this, TodoTaskSeed(item, Today(), Now()));
}

} // namespace vl
