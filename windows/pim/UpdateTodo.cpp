#include "windows/pim/UpdateTodo.h"

#include "core/base/Globals.h"
#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "core/dictionary/WalkFailure.h"
#include "pim/TodoRules.h"
#include "platform/widgets/TextWidth.h"
#include "windows/pim/FieldHistoryKey.h"
#include "windows/pim/TaskEditingServices.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/widgets/FormMode.h"
#include "platform/widgets/PictureSpinBox.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>
#include <utility>

namespace vl {

namespace {

constexpr int kTextSize = 80;
constexpr int kCategorySize = 20;

// The last item a to-do form saved, for the field-history key.
std::optional<TodoRecord>& LastSaved()
{
    static std::optional<TodoRecord> last;
    return last;
}

QStringList TaskCategories(Table<CategoriesRecord>& categories)
{
    QStringList names;
    Cursor<CategoriesRecord> cursor(categories, CAT_KEYCATEGORY);
    CategoriesRecord category;
    while (cursor.Next(category))
        names << Clip(category.Category);
    TellWalkFailure(categories);
    return names;
}

QLabel* Prompt(const char* text, QWidget* buddy)
{
    auto* label = new QLabel(QLatin1String(text));
    label->setBuddy(buddy);
    return label;
}

} // namespace

UpdateTodo::UpdateTodo(FormRequest request, const TodoRecord& item, QWidget* parent)
    : QDialog(parent), request_(request), item_(item), doneAtOpen_(item.Done != 0)
{
    setWindowTitle(FormCaption(request, QStringLiteral("New To Do Item"), QStringLiteral("Edit To Do Item")));
    setWindowIcon(LoadIcon(QStringLiteral("todo.ico")));
    setObjectName(QLatin1String(kUpdateTodoProcedure));
    Dictionary& tables = Tables();
    todoOpened_ = OpenTable(tables.Todo);
    categoriesOpened_ = OpenTable(tables.Categories);

    tabs_ = new QTabWidget(this);
    tabs_->addTab(GeneralPage(), QStringLiteral("General"));
    tabs_->addTab(ResolutionPage(), QStringLiteral("Resolution"));
    done_ = new QCheckBox(QStringLiteral("&Done"), this);
    done_->setToolTip(QStringLiteral("Done"));
    connect(done_, &QCheckBox::clicked, this, &UpdateTodo::DoneChanged);

    ok_ = new QPushButton(LoadIcon(QStringLiteral("ok.ico")), QStringLiteral("&OK"), this);
    cancel_ = new QPushButton(LoadIcon(QStringLiteral("cancel.ico")), QStringLiteral("Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &UpdateTodo::accept);
    connect(cancel_, &QPushButton::clicked, this, &UpdateTodo::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(done_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    category_->addItems(TaskCategories(tables.Categories));
    Show(item_);
    ApplyFormMode(request, {text_, priority_, category_, notes_, resolution_, completionDate_, calendar_,
                            completionTime_, done_},
                  ok_, cancel_, LoadIcon(QStringLiteral("close")));
    if (!CurrentTaskEditing()) {
        calendar_->setEnabled(false);
        calendar_->setToolTip(QLatin1String(kNoTaskEditingTip));
    }
    resize(460, 380);
    KeepWindowPosition(*this, QLatin1String(kUpdateTodoProcedure));
}

UpdateTodo::~UpdateTodo()
{
    Dictionary& tables = Tables();
    if (todoOpened_)
        tables.Todo.Close();
    if (categoriesOpened_)
        tables.Categories.Close();
}

QWidget* UpdateTodo::GeneralPage()
{
    text_ = new QLineEdit;
    LimitToWidth(text_, kTextSize);
    text_->setToolTip(QStringLiteral("To Do (Description)"));
    priority_ = new QSpinBox;
    // The box takes any byte so that a value out of range reaches the
    // table's check and its message instead of being changed unseen.
    priority_->setRange(0, 255);
    priority_->setToolTip(QStringLiteral("Priority"));
    connect(priority_, &QSpinBox::editingFinished, this, &UpdateTodo::PriorityLeft);
    connect(priority_, &QSpinBox::valueChanged, this, [this] { priorityRefused_ = false; });
    category_ = new QComboBox;
    category_->setEditable(true);
    category_->setInsertPolicy(QComboBox::NoInsert);
    LimitToWidth(category_->lineEdit(), kCategorySize);
    category_->setToolTip(QStringLiteral("Category"));
    category_->setMinimumContentsLength(kCategorySize);
    notes_ = new QPlainTextEdit;
    notes_->setToolTip(QStringLiteral("Notes"));

    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(Prompt("&To Do Item (Description):", text_));
    form->addRow(text_);
    auto* row = new QHBoxLayout;
    row->addWidget(Prompt("&Priority:", priority_));
    row->addWidget(priority_);
    row->addSpacing(16);
    row->addWidget(Prompt("&Category:", category_));
    row->addWidget(category_);
    row->addStretch();
    form->addRow(row);
    form->addRow(Prompt("&Notes:", notes_));
    form->addRow(notes_);
    return page;
}

QWidget* UpdateTodo::ResolutionPage()
{
    resolution_ = new QPlainTextEdit;
    resolution_->setToolTip(QStringLiteral("Resolution"));
    completionDate_ = new PictureSpinBox(UserDatePicture());
    completionDate_->setToolTip(QStringLiteral("Completion Date"));
    calendar_ = new QToolButton;
    calendar_->setText(QStringLiteral("..."));
    calendar_->setToolTip(QStringLiteral("Choose the completion date on a calendar"));
    connect(calendar_, &QToolButton::clicked, this, &UpdateTodo::PickCompletionDate);
    completionTime_ = new PictureSpinBox(QStringLiteral("@t7"));
    completionTime_->setToolTip(QStringLiteral("Completion Time"));

    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(Prompt("&Resolution:", resolution_));
    form->addRow(resolution_);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(completionDate_);
    dateRow->addWidget(calendar_);
    dateRow->addStretch();
    form->addRow(QStringLiteral("Completion Date:"), dateRow);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(completionTime_);
    timeRow->addStretch();
    form->addRow(QStringLiteral("Completion Time:"), timeRow);
    return page;
}

void UpdateTodo::Show(const TodoRecord& item)
{
    text_->setText(Clip(item.ToDo));
    priority_->setValue(item.Priority);
    category_->setCurrentText(Clip(item.Category));
    notes_->setPlainText(item.Notes);
    resolution_->setPlainText(item.Resolution);
    completionDate_->SetValue(item.CompletionDate);
    completionTime_->SetValue(item.CompletionTime);
    done_->setChecked(item.Done != 0);
}

TodoRecord UpdateTodo::Taken() const
{
    TodoRecord item = item_;
    item.ToDo = text_->text();
    item.Priority = static_cast<uint8_t>(priority_->value());
    item.Category = category_->currentText();
    item.Notes = notes_->toPlainText();
    item.Resolution = resolution_->toPlainText();
    item.CompletionDate = completionDate_->Value();
    item.CompletionTime = completionTime_->Value();
    item.Done = done_->isChecked() ? 1 : 0;
    return item;
}

void UpdateTodo::DoneChanged()
{
    TodoRecord item = Taken();
    DoneTicked(item, doneAtOpen_, Today(), Now());
    completionDate_->SetValue(item.CompletionDate);
    completionTime_->SetValue(item.CompletionTime);
}

void UpdateTodo::PickCompletionDate()
{
    TaskEditingServices* editing = CurrentTaskEditing();
    if (!editing)
        return;
    editing->PickDate(this, completionDate_->Value(), QLatin1String(kCompletionDateTitle),
                      [this](Date date) { completionDate_->SetValue(date); });
}

void UpdateTodo::PutBackLastSaved()
{
    const std::optional<TodoRecord>& last = LastSaved();
    if (!last || request_ == FormRequest::View || request_ == FormRequest::Delete)
        return;
    QWidget* focused = focusWidget();
    if (focused == text_)
        text_->setText(Clip(last->ToDo));
    else if (focused == priority_ || priority_->isAncestorOf(focused))
        priority_->setValue(last->Priority);
    else if (focused == category_ || category_->isAncestorOf(focused))
        category_->setCurrentText(Clip(last->Category));
    else if (focused == notes_)
        notes_->setPlainText(last->Notes);
    else if (focused == resolution_)
        resolution_->setPlainText(last->Resolution);
    else if (focused == completionDate_ || completionDate_->isAncestorOf(focused))
        completionDate_->SetValue(last->CompletionDate);
    else if (focused == completionTime_ || completionTime_->isAncestorOf(focused))
        completionTime_->SetValue(last->CompletionTime);
    else if (focused == done_)
        done_->setChecked(last->Done != 0);
}

void UpdateTodo::keyPressEvent(QKeyEvent* event)
{
    if (QKeySequence(event->keyCombination()) == kFieldHistoryKey) {
        PutBackLastSaved();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void UpdateTodo::PriorityLeft()
{
    // Leaving for "Cancel" is no reason to be kept in the priority.
    if (checkingPriority_ || request_ == FormRequest::View || request_ == FormRequest::Delete
        || QApplication::focusWidget() == cancel_)
        return;
    checkingPriority_ = true;
    priorityRefused_ = !CheckTodoPriority(Tables().Todo, Taken());
    checkingPriority_ = false;
    if (!priorityRefused_)
        return;
    tabs_->setCurrentIndex(0);
    priority_->setFocus();
}

void UpdateTodo::accept()
{
    if (request_ == FormRequest::View) {
        reject();
        return;
    }
    // A date or time still being typed is taken first.
    if (QWidget* focused = focusWidget()) {
        const QSignalBlocker quiet(priority_);
        focused->clearFocus();
    }
    // The priority was refused as the user left it (by this very click or
    // Enter): its message is not shown twice.
    if (std::exchange(priorityRefused_, false) && request_ != FormRequest::Delete) {
        priority_->setFocus();
        return;
    }
    TodoRecord edited = request_ == FormRequest::Delete ? item_ : Taken();
    if (!StoreTodo(Tables().Todo, request_, edited, UserID)) {
        if (request_ != FormRequest::Delete && Tables().Todo.Validate(edited)) {
            tabs_->setCurrentIndex(0);
            priority_->setFocus();
        }
        return;
    }
    item_ = edited;
    if (request_ != FormRequest::Delete)
        LastSaved() = item_;
    QDialog::accept();
}

} // namespace vl
