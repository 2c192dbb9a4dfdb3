#include "windows/pim/BrowseToDoList.h"

#include "platform/browse/KeyOrders.h"
#include "core/base/Globals.h"
#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "pim/TodoRules.h"
#include "platform/widgets/TableChangeWatch.h"
#include "windows/pim/TaskEditingServices.h"
#include "windows/pim/UpdateTodo.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"
#include "xplore/windows/Xplore.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vl {

namespace {

const QString kCategoryFilter = QStringLiteral("Category");

class TodoXplore : public Xplore {
public:
    using Xplore::Xplore;

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

    std::vector<ColumnDefinition> DefineColumns() override
    {
        const auto column = [](const char* field, const char* header, const QString& picture, int width,
                               QChar justification) {
            ColumnDefinition c;
            c.field = QLatin1String(field);
            c.header = QLatin1String(header);
            c.description = c.header;
            c.picture = picture;
            c.width = width;
            c.justification = justification;
            c.sortable = true;
            return c;
        };
        ColumnDefinition done = column("TDO:Done", "", QStringLiteral("@s1"), 10, u'R');
        done.description = QStringLiteral("Done");
        done.sortable = false;
        done.viewField = false;
        ColumnDefinition text = column("TDO:ToDo", "To Do", QStringLiteral("@s80"), 80, u'L');
        text.description = QStringLiteral("To Do (Description)");
        return {done,
                column("TDO:Priority", "Priority", QStringLiteral("@n2"), 25, u'R'),
                text,
                column("TDO:Category", "Category", QStringLiteral("@s20"), 76, u'L'),
                column("TDO:CompletionDate", "Completion Date", UserDatePicture() + QLatin1Char('b'), 80, u'R'),
                column("TDO:CompletionTime", "Completion Time", QStringLiteral("@t3b"), 80, u'R')};
    }

private:
    ViewOrder tabKey_;
};

std::vector<BrowseColumn> TodoColumns(const TableDef& todo)
{
    const int doneField = todo.FieldIndex(QStringLiteral("TDO:Done"));
    const QIcon done = LoadIcon(QStringLiteral("~done.ico"));
    const QIcon blank = LoadIcon(QStringLiteral("~blank.ico"));
    BrowseColumn mark{QString(), QString(), QString()};
    mark.compute = [](const ViewRow&) { return FieldValue(QString()); };
    mark.look = [doneField, done, blank](const ViewRow& row, int role) -> QVariant {
        if (role != Qt::DecorationRole)
            return {};
        return std::get<int64_t>(row.values[static_cast<size_t>(doneField)]) != 0 ? done : blank;
    };
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    BrowseColumn priority{QStringLiteral("TDO:Priority"), QStringLiteral("Priority"), QStringLiteral("@n2")};
    priority.alignment = right;
    BrowseColumn date{QStringLiteral("TDO:CompletionDate"), QStringLiteral("Completion Date"), QStringLiteral("@d3b"),
                      true};
    date.alignment = right;
    BrowseColumn time{QStringLiteral("TDO:CompletionTime"), QStringLiteral("Completion Time"), QStringLiteral("@t3b")};
    time.alignment = right;
    return {mark,
            priority,
            {QStringLiteral("TDO:ToDo"), QStringLiteral("To Do"), QStringLiteral("@s80")},
            {QStringLiteral("TDO:Category"), QStringLiteral("Category"), QStringLiteral("@s20")},
            date,
            time};
}

QPushButton* Button(const char* text, const char* icon, QWidget* parent)
{
    auto* button = new QPushButton(LoadIcon(QLatin1String(icon)), QLatin1String(text), parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

BrowseToDoList::BrowseToDoList(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(MultiUser && !Clip(UserID).isEmpty() ? QLatin1String(kToDoListUserCaption) + Clip(UserID)
                                                        : QLatin1String(kToDoListCaption));
    setWindowIcon(LoadIcon(QStringLiteral("todo.ico")));
    setObjectName(QLatin1String(kBrowseToDoListProcedure));
    setAttribute(Qt::WA_DeleteOnClose);
    Table<TodoRecord>& todo = Tables().Todo;
    opened_ = OpenTodoList(todo);

    model_ = std::make_unique<BrowseModel>(todo);
    model_->SetColumns(TodoColumns(todo.Definition()));
    model_->SetUserDatePicture(UserDatePicture() + QLatin1Char('b'));
    for (const auto& [name, key] : {std::pair{"Done", TDO_KEYDONE}, std::pair{"Priority", TDO_KEYPRIORITY},
                                    std::pair{"To Do", TDO_KEYTODO}, std::pair{"Category", TDO_KEYCATEGORY}}) {
        AddKeyOrder(*model_, QLatin1String(name), key);
    }
    list_ = new BrowseList(this);
    list_->SetBrowseModel(model_.get());

    BrowseButtons buttons;
    buttons.insert = Button("&New", "insert.ico", this);
    buttons.change = Button("&Edit", "open.ico", this);
    buttons.remove = Button("&Delete", "cut.ico", this);
    buttons.change->setDefault(true);
    viewCopy_ = new ViewCopyBrowse(list_, buttons, [this](FormRequest request, bool) { OpenForm(request); });
    auto* close = Button("Cl&ose", "exit.ico", this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* row = new QHBoxLayout;
    for (QPushButton* button : {buttons.insert, buttons.change, buttons.remove})
        row->addWidget(button);
    row->addStretch();
    row->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeTabs());
    layout->addWidget(list_, 1);
    layout->addLayout(row);

    xplore_ = new TodoXplore(this);
    xplore_->SetupForBrowse(list_, model_.get(), this,
                            {QLatin1String(kBrowseToDoListProcedure), QStringLiteral("?Browse:1"),
                             SortMarkStyle::Header});
    QMenu& popup = *xplore_->Popup();
    viewCopy_->AddPopupItems(popup);
    popup.addAction(QStringLiteral("&Toggle Done Status"), this, &BrowseToDoList::ToggleDone);
    popup.addSeparator();
    transfer_ = popup.addAction(QStringLiteral("Transfer to Schedule"), this, &BrowseToDoList::TransferToSchedule);
    if (!CurrentTaskEditing()) {
        transfer_->setEnabled(false);
        transfer_->setToolTip(QLatin1String(kNoTaskEditingTip));
        pick_->setEnabled(false);
        pick_->setToolTip(QLatin1String(kNoTaskEditingTip));
    }
    static_cast<TodoXplore*>(xplore_)->FollowTab(model_->Orders().front().order);
    xplore_->Activate();
    // Items also come from the message windows, imports and synchronisation.
    new TableChangeWatch(todo, *list_, *this);
    resize(720, 420);
    KeepWindowPosition(*this, QLatin1String(kBrowseToDoListProcedure));
}

BrowseToDoList::~BrowseToDoList()
{
    // The enhancement and the list go before the model they show.
    delete xplore_;
    delete list_;
    if (opened_)
        Tables().Todo.Close();
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
    xplore_->UseKeyOrder(tab);
    static_cast<TodoXplore*>(xplore_)->FollowTab(model_->Orders().at(static_cast<size_t>(tab)).order);
    if (tab == kCategoryTab) {
        model_->SetFilter(kCategoryFilter, {{QStringLiteral("TDO:Category"), Compare::Equal, Clip(category_),
                                             Join::And, true}});
    } else {
        model_->RemoveFilter(kCategoryFilter);
    }
    viewCopy_->UpdateButtons();
    list_->setFocus();
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
    Table<TodoRecord>& todo = Tables().Todo;
    TodoRecord item;
    if (request == FormRequest::Insert) {
        // A new item takes the category last chosen; with none, "General"
        // becomes the one chosen.
        SetCategory(TodoCategoryOrGeneral(category_));
        item = NewTodoItem(todo, category_);
    } else if (!model_->Record(list_->CurrentRow(), item) || !todo.Get(item.RecordPointer, item)) {
        // Gone meanwhile (another program deleted it): show the list as it is.
        list_->Refresh();
        return;
    }
    auto* form = new UpdateTodo(request, item, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    connect(form, &QDialog::accepted, this, [this, form] { ShowItem(form->Record()); });
    form->open();
}

void BrowseToDoList::ShowItem(const TodoRecord& item)
{
    list_->Refresh();
    const int row = model_->RowOf(ViewRow::From(model_->Definition(), item));
    if (row >= 0)
        list_->SelectRow(row);
    viewCopy_->UpdateButtons();
}

void BrowseToDoList::ToggleDone()
{
    TodoRecord item;
    if (!model_->Record(list_->CurrentRow(), item))
        return;
    ToggleStoredDone(Tables().Todo, item, Today(), Now());
    ShowItem(item);
    list_->setFocus();
}

void BrowseToDoList::TransferToSchedule()
{
    TaskEditingServices* editing = CurrentTaskEditing();
    TodoRecord item;
    if (!editing || !model_->Record(list_->CurrentRow(), item))
        return;
    editing->AddMessageTask(this, TodoTaskSeed(item, Today(), Now()));
}

} // namespace vl
