// The clipboard saver's list, entry form and category pick list offscreen
// on real tables: newest first and the kept ones, keep, copy back, run,
// the warning before a kept entry goes, a new entry from the clipboard, and
// the category the form takes with and without the pick list; the
// clipboard categories' two panes and their forms.

#include "core/base/Globals.h"
#include "core/dictionary/Dictionary.h"
#include "pim/ClipboardEntries.h"
#include "windows/pim/BrowseClipboard.h"
#include "windows/pim/BrowseClipboardCategories.h"
#include "windows/pim/SelectClipboardCategory.h"
#include "windows/pim/TodoProcedures.h"
#include "windows/pim/UpdateClipboard.h"
#include "windows/pim/UpdateClipboardCategories.h"
#include "platform/query/ListQuery.h"
#include "platform/runtime/Clock.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/QueryDialog.h"
#include "platform/widgets/ThreadRegistry.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

namespace vl {
namespace {

const Date kToday = MakeDate(3, 12, 2025);

class ClipboardWindowsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenTable(d.Clipboard) && OpenTable(d.ClipboardCategories)); }
    void TearDown() override
    {
        // The lists the frame's procedures opened go before their tables.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DictionaryEnd();
    }

    ClipboardRecord Stored(const char* text, Date date, uint8_t keep = 0, const char* category = "General")
    {
        ClipboardRecord entry = NewClipboardEntry(d.Clipboard, text, date, 100);
        entry.ClipKeep = keep;
        entry.Category = category;
        EXPECT_TRUE(StoreClipboardEntry(d.Clipboard, FormRequest::Insert, entry));
        return entry;
    }

    static QStringList Texts(BrowseClipboard& list) { return Texts(*list.Model()); }
    static QStringList Texts(const QAbstractItemModel& model)
    {
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row)
            texts << model.index(row, 1).data().toString().trimmed();
        return texts;
    }

    Dictionary& d = (DictionaryStart(), Tables());
    SettableClock clock{kToday, 100};
    ClockOverride useClock{clock};
    test::ScriptedPrompt prompt;
};

TEST_F(ClipboardWindowsTest, NewestFirstKeepCopyBackAndRun)
{
    Stored("oldest", kToday - 2);
    Stored("see http://a.example now", kToday);
    Stored("kept one", kToday - 1, 1);
    BrowseClipboard list;
    QStringList started;
    list.SetStarter([&started](const QString& target) { started << target; });
    EXPECT_EQ(list.windowTitle(), "Clipboard Manager");
    EXPECT_EQ(Texts(list), QStringList({"see http://a.example now", "kept one", "oldest"}));
    QStringList shown, carried;
    for (int column = 0; column < list.Model()->columnCount(); ++column)
        (list.List()->isColumnHidden(column) ? carried : shown)
            << list.Model()->headerData(column, Qt::Horizontal).toString().trimmed();
    EXPECT_EQ(shown, QStringList({"", "Contents", "Category", "Date"}));
    EXPECT_EQ(carried, QStringList({"Clip Hash Key", "Abbreviation", "Clip Time"}));
    EXPECT_EQ(list.Model()->index(0, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
    EXPECT_FALSE(list.Model()->index(1, 1).data(Qt::ForegroundRole).isValid());
    list.Tabs()->setCurrentIndex(BrowseClipboard::kSavedOnlyTab);
    EXPECT_EQ(Texts(list), QStringList({"kept one"}));
    list.Tabs()->setCurrentIndex(BrowseClipboard::kByDateTab);

    list.List()->SelectRow(2);
    list.Button("&Toggle Save")->click();
    list.Tabs()->setCurrentIndex(BrowseClipboard::kSavedOnlyTab);
    EXPECT_EQ(Texts(list), QStringList({"oldest", "kept one"}));
    list.Tabs()->setCurrentIndex(BrowseClipboard::kByDateTab);

    list.List()->SelectRow(0);
    list.Button("&Copy to Clipboard")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "see http://a.example now");
    list.Button("&Run")->click();
    EXPECT_EQ(started, QStringList({"http://a.example"}));
}

// While capture is off the list says so; the entry commands that need an
// entry are disabled, saying why, while the list is empty.
TEST_F(ClipboardWindowsTest, TheListSaysWhenCaptureIsOffAndWhyEntryCommandsAreOff)
{
    const uint8_t monitor = MonitorClipboard;
    for (const uint8_t capturing : {0, 1}) {
        MonitorClipboard = capturing;
        BrowseClipboard list;
        EXPECT_EQ(list.CaptureOffNotice()->isVisibleTo(&list), capturing == 0);
        EXPECT_TRUE(list.CaptureOffNotice()->text().contains("\"Monitor clipboard\""));
        for (const char* command : {"&Toggle Save", "&Run"}) {
            EXPECT_FALSE(list.Button(command)->isEnabled()) << command;
            EXPECT_TRUE(list.Button(command)->toolTip().contains("the list is empty")) << command;
        }
        if (capturing == 0) {
            list.show();
            list.grab().save("clipboard-capture-off.png");
        }
    }
    Stored("a text", kToday);
    BrowseClipboard list;
    EXPECT_TRUE(list.Button("&Toggle Save")->isEnabled());
    EXPECT_TRUE(list.Button("&Run")->isEnabled());
    EXPECT_EQ(list.Button("&Run")->toolTip(), "Try to execute embedded programs/URLs");
    ClipboardRecord entry;
    ASSERT_TRUE(list.Model()->Record(0, entry));
    ASSERT_TRUE(d.Clipboard.Delete(entry));
    list.List()->Refresh();
    EXPECT_FALSE(list.Button("&Run")->isEnabled()) << "emptied while open";
    MonitorClipboard = monitor;
}

TEST_F(ClipboardWindowsTest, AQueryHoldsOnEveryTabUntilResetAndABadOneChangesNothing)
{
    Stored("see http://a.example", kToday, 0, "Links");
    Stored("kept note", kToday - 1, 1);
    Stored("old note", kToday - 9);
    BrowseClipboard list;
    EXPECT_EQ(list.CurrentQuery().Catalogue().Fields().size(), 7u) << "every field of the catalogue is the table's";
    EXPECT_TRUE(list.Button("&Query")->isEnabled());
    EXPECT_FALSE(list.Button("&Reset")->isEnabled());
    using Q = QueryOperator;
    const struct {
        Query query;
        QStringList texts;
    } cases[] = {
        {{{Join::And, "CLI:ClipContents", Q::Contains, QueryOperand::Value, "note"}}, {"kept note", "old note"}},
        {{{Join::And, "CLI:Category", Q::Equal, QueryOperand::Value, "links"}}, {"see http://a.example"}},
        {{{Join::And, "CLI:ClipDate", Q::Less, QueryOperand::Expression, "TODAY()-1"}}, {"old note"}},
        {{{Join::And, "CLI:ClipKeep", Q::Checked, QueryOperand::Value, ""},
          {Join::Or, "CLI:ClipHashKey", Q::BeginsWith, QueryOperand::Value, "SEE"}},
         {"see http://a.example", "kept note"}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(list.ApplyQuery(c.query)) << c.texts.join(',').toStdString();
        EXPECT_EQ(Texts(list), c.texts);
        EXPECT_TRUE(list.Button("&Reset")->isEnabled());
    }
    list.Tabs()->setCurrentIndex(BrowseClipboard::kSavedOnlyTab);
    EXPECT_EQ(Texts(list), QStringList({"kept note"})) << "the query holds on every tab";
    list.Tabs()->setCurrentIndex(BrowseClipboard::kByDateTab);

    prompt.Answer(1);
    EXPECT_FALSE(list.ApplyQuery({{Join::And, "CLI:ClipDate", Q::Less, QueryOperand::Expression, "1/0"}}));
    EXPECT_EQ(prompt.Questions().back().caption, kQueryErrorCaption);
    EXPECT_EQ(Texts(list), QStringList({"see http://a.example", "kept note"})) << "a failed query changes nothing";
    list.Button("&Query")->click();
    auto* dialog = list.findChild<QueryDialog*>();
    ASSERT_TRUE(dialog);
    dialog->reject();
    EXPECT_EQ(Texts(list).size(), 2) << "a cancelled query changes nothing";
    EXPECT_TRUE(list.Button("&Reset")->isEnabled());
    list.Button("&Reset")->click();
    EXPECT_EQ(Texts(list).size(), 3);
    EXPECT_FALSE(list.Button("&Reset")->isEnabled());
}

TEST_F(ClipboardWindowsTest, AKeptEntryIsDeletedOnlyAfterYes)
{
    Stored("precious", kToday, 1);
    BrowseClipboard list;
    list.List()->SelectRow(0);
    prompt.AnswerButton("No");
    list.Buttons().remove->click();
    EXPECT_EQ(list.findChild<UpdateClipboard*>(), nullptr);
    prompt.AnswerButton("Yes");
    list.Buttons().remove->click();
    auto* form = list.findChild<UpdateClipboard*>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "Delete Clipboard Record");
    EXPECT_FALSE(form->KeepBox()->isEnabled());
    form->OkButton()->click();
    EXPECT_EQ(d.Clipboard.Records(), 0);
    EXPECT_EQ(prompt.Questions().size(), 2u);
}

TEST_F(ClipboardWindowsTest, ANewEntryTakesTheClipboardTextAndATypedCategoryIsCheckedOnce)
{
    ClipboardCategoriesRecord work;
    work.CATEGORY = "Work";
    ASSERT_TRUE(d.ClipboardCategories.Add(work));
    QApplication::clipboard()->setText("fresh text");
    BrowseClipboard list;
    list.Buttons().insert->click();
    auto* form = list.findChild<UpdateClipboard*>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "New clipboard entry");
    EXPECT_EQ(form->ContentsBox()->toPlainText(), "fresh text");

    const struct {
        const char* typed;
        bool picker;
    } cases[] = {{"General", false}, {"", false}, {"work", false}, {"Home", true}};
    for (const auto& c : cases) {
        form->CategoryEntry()->setText(c.typed);
        form->CategoryEntry()->setModified(true);
        emit form->CategoryEntry()->editingFinished();
        auto* picker = form->findChild<SelectClipboardCategory*>();
        EXPECT_EQ(picker != nullptr, c.picker) << c.typed;
        if (picker) {
            EXPECT_EQ(picker->List()->CurrentRow(), 0);
            picker->SelectButton()->click();
            EXPECT_EQ(form->CategoryEntry()->text(), "Work");
        }
    }
    form->OkButton()->click();
    ASSERT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(Texts(list), QStringList({"fresh text"}));
    EXPECT_EQ(list.List()->CurrentRow(), 0);
}

TEST_F(ClipboardWindowsTest, ViewShowsTheTextReadOnlyAndCloses)
{
    UpdateClipboard form(FormRequest::View, Stored("look only", kToday));
    EXPECT_EQ(form.windowTitle(), "View clipboard entry");
    EXPECT_TRUE(form.ContentsBox()->isEnabled());
    EXPECT_TRUE(form.ContentsBox()->isReadOnly());
    for (QWidget* control : {static_cast<QWidget*>(form.KeepBox()), static_cast<QWidget*>(form.CategoryEntry()),
                             static_cast<QWidget*>(form.LookupButton())})
        EXPECT_FALSE(control->isEnabled());
    EXPECT_EQ(form.CancelButton()->text(), "Cl&ose");
    EXPECT_FALSE(form.OkButton()->isVisibleTo(&form));
}

TEST_F(ClipboardWindowsTest, TheCategoriesShowTheirEntriesAndARenameTakesThemAlong)
{
    for (const char* name : {"Home", "Work"}) {
        ClipboardCategoriesRecord category;
        category.CATEGORY = name;
        ASSERT_TRUE(d.ClipboardCategories.Add(category));
    }
    Stored("memo", kToday, 0, "Work");
    Stored("draft", kToday, 0, "work");
    Stored("elsewhere", kToday);
    RegisterTodoProcedures();
    ASSERT_TRUE(Procedures().Start(QLatin1String(kBrowseClipboardCategoriesProcedure), nullptr));
    QPointer<QWidget> opened =
        Threads().Window(Threads().ProcedureThread(QLatin1String(kBrowseClipboardCategoriesProcedure)));
    auto* window = qobject_cast<BrowseClipboardCategories*>(opened.data());
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), "Clipboard Categories");
    const struct {
        int row;
        QStringList texts;
    } cases[] = {{0, {}}, {1, {"draft", "memo"}}};
    for (const auto& c : cases) {
        window->CategoryList()->SelectRow(c.row);
        EXPECT_EQ(Texts(*window->EntryModel()), c.texts) << c.row;
        EXPECT_EQ(window->EntryButtons().change->isEnabled(), !c.texts.isEmpty()) << c.row;
    }

    QApplication::clipboard()->setText("typed later");
    window->EntryButtons().insert->click();
    auto* entryForm = window->findChild<UpdateClipboard*>();
    ASSERT_TRUE(entryForm);
    EXPECT_EQ(entryForm->CategoryEntry()->text(), "Work") << "a new entry starts in the highlighted category";
    entryForm->OkButton()->click();
    EXPECT_EQ(Texts(*window->EntryModel()), QStringList({"draft", "memo", "typed later"}));

    window->CategoryButtons().change->click();
    auto* categoryForm = window->findChild<UpdateClipboardCategories*>();
    ASSERT_TRUE(categoryForm);
    EXPECT_EQ(categoryForm->windowTitle(), "Change Clipboard Category");
    categoryForm->NameEntry()->setText("Office");
    categoryForm->OkButton()->click();
    EXPECT_EQ(window->Category(), "Office");
    EXPECT_EQ(Texts(*window->EntryModel()).size(), 3);
    window->close();
}

} // namespace
} // namespace vl
