// The export and import windows as a user works them: the field choice
// exports what it shows, an empty choice is refused, the import window opens
// mapped by the header and imports; the picture entry refuses a picture
// without "@"; the frame's procedures are registered.

#include "core/dictionary/Dictionary.h"
#include "exchange/ExchangeProcedures.h"
#include "exchange/windows/EnterPicture.h"
#include "exchange/windows/ExchangeWindows.h"
#include "exchange/windows/ExportFieldsWindow.h"
#include "exchange/windows/ImportFieldsWindow.h"
#include "exchange/windows/SynchronizeWindow.h"
#include "platform/widgets/FrameProcedures.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace vl {
namespace {

class ExchangeWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Todo));
        TodoRecord todo;
        d.Todo.Prime(todo);
        todo.Priority = 2;
        todo.ToDo = "milk, \"fresh\"";
        ASSERT_TRUE(d.Todo.Add(todo));
    }
    void TearDown() override { DictionaryEnd(); }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
};

void Grab(QWidget& window, const char* name)
{
    window.show();
    window.grab().save(QStringLiteral("/tmp/vl-exchange-") + QLatin1String(name));
}

TEST_F(ExchangeWindowsTest, ExportWindowWritesTheChosenColumns)
{
    ExportFieldsWindow window(ExchangeTable::Todo);
    Grab(window, "export.png");
    EXPECT_EQ(window.windowTitle(), "Choose Fields for Export...");
    EXPECT_EQ(window.ExportFields()->count(), 8);
    EXPECT_TRUE(window.Header()->isChecked());

    window.ExportFields()->selectAll();
    window.Remove();
    EXPECT_EQ(window.ExportFields()->count(), 0);
    prompt.Answer(1);
    window.Export();
    EXPECT_EQ(prompt.Questions().back().caption, "No Fields Selected for Export!");
    EXPECT_EQ(window.result(), QDialog::Rejected);

    window.AllFields()->item(3)->setSelected(true); // TDO:ToDo
    window.AllFields()->item(1)->setSelected(true); // TDO:Priority
    window.Add();
    window.ExportFields()->setCurrentRow(1);
    window.ShiftUp();
    const QString path = test::TestPath("todo.csv");
    prompt.AnswerPath(path);
    window.Export();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(test::ReadTextFile(path), "\"TDO:ToDo\",\"TDO:Priority\"\r\n\"milk, \"\"fresh\"\"\",2\r\n");
}

TEST_F(ExchangeWindowsTest, ImportWindowOpensMappedAndImports)
{
    const QString path = test::WriteTextFile(test::TestPath("in.csv"),
                                             "\"TDO:Priority\",\"TDO:ToDo\",\"Other\"\n3,\"bread\",\"x\"\n");
    prompt.AnswerPath(path);
    std::optional<ImexReader> file = ChooseImportFile();
    ASSERT_TRUE(file);
    ImportFieldsWindow window(ExchangeTable::Todo, std::move(*file));
    Grab(window, "import.png");
    EXPECT_EQ(window.windowTitle(), "Assign fields for Import...");
    EXPECT_TRUE(window.StripHeader()->isChecked());
    EXPECT_EQ(window.TargetList()->topLevelItem(1)->text(2), "Field_1");
    EXPECT_EQ(window.ColumnList()->topLevelItem(0)->text(1), "Numeric");
    window.NextSample();
    EXPECT_FALSE(window.NextButton()->isEnabled());
    EXPECT_FALSE(window.AutoButton()->isEnabled());
    EXPECT_EQ(window.ColumnList()->topLevelItem(1)->text(2), "bread");

    window.TargetList()->setCurrentItem(window.TargetList()->topLevelItem(2)); // TDO:Category
    window.ColumnList()->setCurrentItem(window.ColumnList()->topLevelItem(2));
    window.Assign();
    EXPECT_EQ(window.TargetList()->topLevelItem(2)->text(1), "=");
    window.Import();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    TodoRecord todo;
    Cursor<TodoRecord> cursor(d.Todo, FileOrder);
    ASSERT_TRUE(cursor.Next(todo) && cursor.Next(todo));
    EXPECT_EQ(todo.ToDo, "bread");
    EXPECT_EQ(todo.Category, "x");
    EXPECT_EQ(todo.Priority, 3);
}

TEST_F(ExchangeWindowsTest, PictureEntryAndProcedures)
{
    EnterPictureDialog dialog(QStringLiteral("@s20"), nullptr);
    Grab(dialog, "picture.png");
    dialog.Entry()->setText(QStringLiteral("n3"));
    prompt.Answer(1);
    dialog.accept();
    EXPECT_EQ(prompt.Questions().back().caption, "Invalid Picture!");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    dialog.Entry()->setText(QStringLiteral("@n3"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Picture(), "@n3");

    RegisterExchangeProcedures();
    for (const char* name : {"ExportSchedule", "ExportContacts", "ExportTodo", "ImportSchedule", "ImportContacts",
                             "ImportTodo", "Synchronize"})
        EXPECT_TRUE(Procedures().Has(QLatin1String(name))) << name;
    prompt.Cancel();
    EXPECT_TRUE(Procedures().Start(QStringLiteral("ImportTodo"), nullptr)); // a cancelled dialog opens nothing
}

TEST_F(ExchangeWindowsTest, SynchronizeSendsAndReceivesThroughItsButtons)
{
    const QString file = test::TestPath("Sync.syn");
    for (const char* button : {"&Send", "&Receive"}) {
        SynchronizeWindow window;
        Grab(window, "synchronize.png");
        prompt.AnswerPath(file + "\\!s");
        for (QPushButton* b : window.findChildren<QPushButton*>())
            if (b->text() == QLatin1String(button))
                b->click();
        EXPECT_EQ(window.result(), QDialog::Accepted) << button;
    }
    const auto opened = std::find_if(prompt.Questions().begin(), prompt.Questions().end(),
                                     [](const test::PromptQuestion& q) { return q.kind == test::PromptKind::OpenFile; });
    ASSERT_NE(opened, prompt.Questions().end());
    EXPECT_EQ(opened->start, file); // the last file, without its table name
    TodoRecord todo;
    Cursor<TodoRecord> cursor(d.Todo, FileOrder);
    ASSERT_TRUE(cursor.Next(todo));
    EXPECT_FALSE(cursor.Next(todo)) << "the received item met itself and was not doubled";
}

} // namespace
} // namespace vl
