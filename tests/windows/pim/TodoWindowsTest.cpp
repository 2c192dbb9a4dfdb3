// The to-do list and its form offscreen on real tables: the tabs and the
// category, the toggle, the new item's defaults, the transfer into the
// message task wizard (task editing faked), the form's modes, the "&Done"
// box, the priority check and the field-history key.

#include "core/base/Globals.h"
#include "core/dictionary/Dictionary.h"
#include "pim/TodoRules.h"
#include "windows/pim/BrowseToDoList.h"
#include "platform/widgets/TableChangeWatch.h"
#include "windows/pim/TaskEditingServices.h"
#include "windows/pim/UpdateTodo.h"
#include "platform/runtime/Clock.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/PictureSpinBox.h"
#include "xplore/windows/Xplore.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include <thread>

namespace vl {
namespace {

const Date kToday = MakeDate(3, 12, 2025);
const ClockTime kNow = MakeClock(14, 30);

class FakeTaskEditing : public TaskEditingServices {
public:
    void SelectCategory(QWidget*, std::function<void(const QString&)> chosen) override { chosen(category); }
    void PickDate(QWidget*, Date, const QString& title, std::function<void(Date)> done) override
    {
        pickTitle = title;
        done(date);
    }
    void AddMessageTask(QWidget*, const ScheduleRecord& seed) override { seeds.push_back(seed); }

    QString category = QStringLiteral("Home");
    Date date = kToday - 3;
    QString pickTitle;
    std::vector<ScheduleRecord> seeds;
};

class TodoWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Todo));
        for (const char* category : {"General", "Home", "Work"}) {
            CategoriesRecord record;
            record.Category = category;
            ASSERT_TRUE(OpenTable(d.Categories) && d.Categories.Add(record));
        }
    }
    void TearDown() override { DictionaryEnd(); }

    TodoRecord Stored(const char* text, const char* category, uint8_t priority, uint8_t done = 0)
    {
        TodoRecord item = NewTodoItem(d.Todo, category);
        item.ToDo = text;
        item.Priority = priority;
        item.Done = done;
        EXPECT_TRUE(d.Todo.Add(item));
        return item;
    }

    static QStringList Texts(BrowseToDoList& list)
    {
        QStringList texts;
        for (int row = 0; row < list.Model()->rowCount(); ++row)
            texts << list.Model()->index(row, 2).data().toString().trimmed();
        return texts;
    }

    static void PressHistoryKey(QWidget* form)
    {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Apostrophe, Qt::ControlModifier);
        QCoreApplication::sendEvent(form, &key);
    }

    Dictionary& d = (DictionaryStart(), Tables());
    SettableClock clock{kToday, kNow};
    ClockOverride useClock{clock};
    test::ScriptedPrompt prompt;
    FakeTaskEditing editing;
};

TEST_F(TodoWindowsTest, TabsOrderTheItemsAndTheCategoryTabShowsTheCategoryPicked)
{
    TaskEditingOverride useEditing(editing);
    Stored("Buy milk", "Home", 3, 1);
    Stored("Answer mail", "Work", 8);
    Stored("Call plumber", "Home", 1);
    BrowseToDoList list;
    EXPECT_EQ(list.windowTitle(), "To Do Items");
    const struct {
        int tab;
        QStringList texts;
    } tabs[] = {
        {BrowseToDoList::kDoneTab, {"Call plumber", "Answer mail", "Buy milk"}},
        {BrowseToDoList::kPriorityTab, {"Call plumber", "Buy milk", "Answer mail"}},
        {BrowseToDoList::kTextTab, {"Answer mail", "Buy milk", "Call plumber"}},
        {BrowseToDoList::kCategoryTab, {}}, // nothing picked yet: the items without a category
    };
    for (const auto& t : tabs) {
        list.Tabs()->setCurrentIndex(t.tab);
        EXPECT_EQ(Texts(list), t.texts) << t.tab;
    }
    list.PickButton()->click();
    EXPECT_EQ(list.Category(), "Home");
    EXPECT_EQ(Texts(list), QStringList({"Call plumber", "Buy milk"}));
    list.Tabs()->setCurrentIndex(BrowseToDoList::kDoneTab);
    EXPECT_EQ(Texts(list).size(), 3);

    // A header click sorts by the tab's key first, then by the column (here
    // the category of two items equal on the key), both ways.
    Stored("Water plants", "Work", 5);
    Stored("Water plants", "Home", 5);
    list.Tabs()->setCurrentIndex(BrowseToDoList::kPriorityTab);
    const auto rows = [&list] {
        QStringList shown;
        for (int row = 0; row < list.Model()->rowCount(); ++row)
            shown << list.Model()->index(row, 3).data().toString().trimmed() + " " + Texts(list).at(row);
        return shown.join(", ");
    };
    list.Enhancement()->SortOnColumn(4); // "Category"
    EXPECT_EQ(rows(), "Home Call plumber, Home Buy milk, Home Water plants, Work Water plants, Work Answer mail");
    list.Enhancement()->SortOnColumn(4);
    EXPECT_EQ(rows(), "Home Call plumber, Home Buy milk, Work Water plants, Home Water plants, Work Answer mail");
}

TEST_F(TodoWindowsTest, ToggleWritesTheDoneMarkBackAndTransferHandsTheItemToTheWizard)
{
    TaskEditingOverride useEditing(editing);
    const TodoRecord item = Stored("Send invoice", "Work", 4);
    BrowseToDoList list;
    list.List()->SelectRow(0);
    list.ToggleButton(BrowseToDoList::kDoneTab)->click();
    TodoRecord stored;
    ASSERT_TRUE(d.Todo.Get(item.RecordPointer, stored));
    EXPECT_EQ(stored.Done, 1);
    EXPECT_EQ(stored.CompletionDate, kToday);
    EXPECT_EQ(list.List()->CurrentRow(), 0);

    list.TransferItem()->trigger();
    ASSERT_EQ(editing.seeds.size(), 1u);
    EXPECT_EQ(editing.seeds[0].Description, "Send invoice");
    EXPECT_EQ(editing.seeds[0].Category, "Work");
    EXPECT_EQ(editing.seeds[0].Date, kToday + 1);
}

TEST_F(TodoWindowsTest, WithoutTaskEditingPickAndTransferAreDisabledAndSaySo)
{
    BrowseToDoList list;
    for (QObject* control : {static_cast<QObject*>(list.PickButton()), static_cast<QObject*>(list.TransferItem())}) {
        EXPECT_FALSE(control->property("enabled").toBool());
        EXPECT_EQ(control->property("toolTip").toString(), kNoTaskEditingTip);
    }
}

TEST_F(TodoWindowsTest, ANewItemTakesTheCategoryChosenOrGeneralAndIsListedWhenStored)
{
    BrowseToDoList list;
    list.Buttons().insert->click();
    auto* form = list.findChild<UpdateTodo*>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "New To Do Item");
    EXPECT_EQ(form->CategoryCombo()->currentText(), "General");
    EXPECT_EQ(form->PrioritySpin()->value(), 5);
    EXPECT_EQ(list.Category(), "General");
    form->TextEntry()->setText("Renew insurance");
    form->OkButton()->click();
    ASSERT_EQ(list.Model()->rowCount(), 1);
    EXPECT_EQ(list.List()->CurrentRow(), 0);
    EXPECT_EQ(Texts(list), QStringList({"Renew insurance"}));
}

// Items stored elsewhere, by this program (a message window's "To Do") or
// by another (its own connection, here on a thread of its own), appear at
// the list's next look, with the highlight kept; nothing changed, nothing read.
TEST_F(TodoWindowsTest, ItemsStoredElsewhereAppearAtTheListsNextLook)
{
    Stored("Buy milk", "Home", 5);
    BrowseToDoList list;
    auto* watch = list.findChild<TableChangeWatch*>();
    ASSERT_NE(watch, nullptr);
    EXPECT_FALSE(watch->Check());
    list.List()->SelectRow(0);

    Stored("Call plumber", "Home", 1);
    EXPECT_TRUE(watch->Check());
    EXPECT_EQ(Texts(list), QStringList({"Call plumber", "Buy milk"}));
    EXPECT_EQ(Texts(list).at(list.List()->CurrentRow()), "Buy milk");

    std::thread([definition = d.Todo.DefinitionPtr()] {
        Table<TodoRecord> todo(definition);
        ASSERT_TRUE(todo.Open());
        TodoRecord item = NewTodoItem(todo, "Work");
        item.ToDo = "Answer mail";
        item.Priority = 3;
        EXPECT_TRUE(todo.Add(item));
        todo.Close();
    }).join();
    EXPECT_TRUE(watch->Check());
    EXPECT_EQ(Texts(list).size(), 3);
    EXPECT_EQ(Texts(list).at(list.List()->CurrentRow()), "Buy milk");
    EXPECT_FALSE(watch->Check());
}

TEST_F(TodoWindowsTest, FormModesCaptionsAndTheDoneBox)
{
    const struct {
        FormRequest request;
        const char* caption;
        bool editable;
        const char* cancel;
    } cases[] = {
        {FormRequest::Insert, "New To Do Item", true, "Cancel"},
        {FormRequest::Change, "Edit To Do Item", true, "Cancel"},
        {FormRequest::View, "View To Do Item", false, "Cl&ose"},
        {FormRequest::Delete, "Delete To Do Item", false, "Cancel"},
    };
    TaskEditingOverride useEditing(editing);
    for (const auto& c : cases) {
        UpdateTodo form(c.request, Stored("Read report", "Work", 2));
        EXPECT_EQ(form.windowTitle(), c.caption);
        for (QWidget* control : {static_cast<QWidget*>(form.TextEntry()), static_cast<QWidget*>(form.DoneBox()),
                                 static_cast<QWidget*>(form.CalendarButton())})
            EXPECT_EQ(control->isEnabled(), c.editable) << c.caption;
        EXPECT_EQ(form.CancelButton()->text(), c.cancel);
    }

    TodoRecord done = Stored("Done already", "Work", 2, 1);
    done.CompletionDate = kToday - 10;
    UpdateTodo doneForm(FormRequest::Change, done);
    doneForm.DoneBox()->click();
    doneForm.DoneBox()->click();
    EXPECT_EQ(doneForm.CompletionDate()->Value(), kToday - 10) << "done when the form opened";

    UpdateTodo openForm(FormRequest::Change, Stored("Still open", "Work", 2));
    openForm.DoneBox()->click();
    EXPECT_EQ(openForm.CompletionDate()->Value(), kToday);
    EXPECT_EQ(openForm.CompletionTime()->Value(), kNow);
    openForm.CalendarButton()->click();
    EXPECT_EQ(editing.pickTitle, "Select Completion Date");
    EXPECT_EQ(openForm.CompletionDate()->Value(), editing.date);
}

TEST_F(TodoWindowsTest, APriorityOutOfRangeKeepsTheFormOpenAndTheHistoryKeyRecallsTheLastSaved)
{
    UpdateTodo form(FormRequest::Insert, NewTodoItem(d.Todo, "Work"));
    form.show();
    form.TextEntry()->setText("Plan trip");
    form.PrioritySpin()->setValue(12);
    prompt.Answer(1);
    form.OkButton()->click();
    EXPECT_EQ(form.result(), 0);
    EXPECT_EQ(prompt.Questions().at(0).caption, "Range Error");
    EXPECT_EQ(form.focusWidget(), form.PrioritySpin());
    EXPECT_EQ(d.Todo.Records(), 0);
    // Leaving the priority refuses a value out of range there, once, and keeps the user in it.
    form.PrioritySpin()->setValue(0);
    prompt.Answer(1);
    emit form.PrioritySpin()->editingFinished();
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions().back().text, "The value of Priority must be between 1 and 10.");
    EXPECT_EQ(form.focusWidget(), form.PrioritySpin());
    form.PrioritySpin()->setValue(9);
    form.OkButton()->click();
    ASSERT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(prompt.Questions().size(), 2u);

    UpdateTodo next(FormRequest::Insert, NewTodoItem(d.Todo, "Home"));
    next.show();
    next.TextEntry()->setFocus();
    PressHistoryKey(&next);
    next.PrioritySpin()->setFocus();
    PressHistoryKey(&next);
    EXPECT_EQ(next.TextEntry()->text(), "Plan trip");
    EXPECT_EQ(next.PrioritySpin()->value(), 9);
    EXPECT_EQ(next.CategoryCombo()->currentText(), "Home") << "only the focused field";
}

} // namespace
} // namespace vl
