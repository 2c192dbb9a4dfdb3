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
#include "platform/widgets/ProcessProgressWindow.h"
#include "platform/widgets/WindowPosition.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "tests/windows/tasks/MnemonicClashes.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
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
    void TearDown() override
    {
        // A finished run leaves its window for the user to close.
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<ProcessProgressWindow*>(widget); window && window->isVisible())
                window->CancelButton()->click();
        DictionaryEnd();
    }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
};

void Grab(QWidget& window, const char* name)
{
    window.show();
    window.grab().save(QStringLiteral("vl-exchange-") + QLatin1String(name));
}

// Watches the progress windows a run opens: what each shows when it opens
// ("caption|text|percent"), the percentages it shows, and a Cancel pressed
// once the percentage reaches cancelAt.
class ProgressWatch : public QObject {
public:
    explicit ProgressWatch(int cancelAt = 101) : cancelAt_(cancelAt) { qApp->installEventFilter(this); }
    ~ProgressWatch() override { qApp->removeEventFilter(this); }

    QStringList opened;
    QStringList percents;

    // The finished window left on screen, closed after reading it: "percent|text".
    static QString Finished()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<ProcessProgressWindow*>(widget);
            if (!window || !window->isVisible())
                continue;
            Grab(*window, "progress.png");
            const QString shown = window->PercentLine()->text() + "|" + window->TextLine()->text();
            window->CancelButton()->click();
            return shown;
        }
        return {};
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* window = qobject_cast<ProcessProgressWindow*>(object);
        if (event->type() != QEvent::Show || !window || watched_.contains(window))
            return false;
        watched_ << window;
        opened << window->windowTitle() + "|" + window->TextLine()->text() + "|" + window->PercentLine()->text();
        connect(window, &ProcessProgressWindow::Told, this, [this, window](int percent) {
            percents << window->PercentLine()->text();
            if (percents.size() == 1)
                Grab(*window, "progress-running.png");
            if (percent >= cancelAt_)
                window->CancelButton()->click();
        });
        return false;
    }

private:
    int cancelAt_;
    QList<QObject*> watched_;
};

// A file dialog that notes whether a progress window is already there.
class FileDialogWatch : public test::ScriptedPrompt {
public:
    bool progressMeanwhile = false;
    QString SaveFile(const QString& caption, const QString& filter, const QString& start) override
    {
        QCoreApplication::processEvents(); // the user takes time choosing
        for (QWidget* widget : QApplication::topLevelWidgets())
            progressMeanwhile |= widget->isVisible() &&
                                 (widget->inherits("vl::ProcessProgressWindow") || widget->inherits("QProgressDialog"));
        return ScriptedPrompt::SaveFile(caption, filter, start);
    }
};

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
    EXPECT_EQ(test::MnemonicClashes(&window), QStringList());
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
        EXPECT_FALSE(window.windowIcon().isNull());
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
    const IniFile positions(kPositionIniFile);
    for (const char* kept : {"Synchronize", "SyncSend", "SyncReceive"})
        EXPECT_TRUE(ReadWindowPlace(positions, QLatin1String(kept)).has_value()) << kept;
    TodoRecord todo;
    Cursor<TodoRecord> cursor(d.Todo, FileOrder);
    ASSERT_TRUE(cursor.Next(todo));
    EXPECT_FALSE(cursor.Next(todo)) << "the received item met itself and was not doubled";
}

TEST_F(ExchangeWindowsTest, ExportAsksForTheFileFirstThenShowsProgressAndWhatItWrote)
{
    TodoRecord todo;
    for (const char* text : {"bread", "eggs"}) {
        d.Todo.Prime(todo);
        todo.Priority = 1;
        todo.ToDo = text;
        ASSERT_TRUE(d.Todo.Add(todo));
    }
    FileDialogWatch dialog;
    const QString path = test::TestPath("todo.csv");
    dialog.AnswerPath(path);
    ProgressWatch watch;
    ExportFieldsWindow window(ExchangeTable::Todo);
    window.show();
    window.Export();
    EXPECT_FALSE(dialog.progressMeanwhile) << "no progress window over the file dialog";
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(test::ReadTextFile(path).count("\r\n"), 4);
    EXPECT_EQ(watch.opened, QStringList({"Exporting Records||  0% Completed"}));
    EXPECT_EQ(watch.percents, QStringList({" 33% Completed", " 66% Completed", "100% Completed"}));
    EXPECT_EQ(ProgressWatch::Finished(), "Process Completed|3 records written to " + path + ".");
}

TEST_F(ExchangeWindowsTest, ImportShowsProgressAndACancelImportsNothing)
{
    const QString path = test::WriteTextFile(test::TestPath("in.csv"), "\"TDO:Priority\",\"TDO:ToDo\"\n"
                                                                       "3,\"bread\"\n4,\"eggs\"\n5,\"jam\"\n");
    for (const int cancelAt : {60, 101}) {
        prompt.AnswerPath(path);
        std::optional<ImexReader> file = ChooseImportFile();
        ASSERT_TRUE(file);
        ImportFieldsWindow window(ExchangeTable::Todo, std::move(*file));
        window.show();
        ProgressWatch watch(cancelAt);
        window.Import();
        EXPECT_EQ(watch.opened, QStringList({"Importing Records||  0% Completed"}));
        EXPECT_FALSE(watch.percents.isEmpty());
        if (cancelAt == 60) {
            EXPECT_EQ(window.result(), QDialog::Rejected);
            EXPECT_EQ(d.Todo.Records(), 1) << "a cancel while adding adds nothing";
            EXPECT_EQ(prompt.Questions().back().text, "Import cancelled: nothing was imported.");
            EXPECT_EQ(ProgressWatch::Finished(), QString()) << "the cancelled window is gone";
        } else {
            EXPECT_EQ(window.result(), QDialog::Accepted);
            EXPECT_EQ(watch.percents.last(), "100% Completed");
            EXPECT_EQ(d.Todo.Records(), 4);
            EXPECT_EQ(ProgressWatch::Finished(), "Process Completed|3 records imported.");
        }
    }
}

TEST_F(ExchangeWindowsTest, SynchronizationShowsProgressAndACancelledReceiveChangesNothing)
{
    const QString file = test::TestPath("Sync.syn");
    ProgressWatch sending;
    {
        SynchronizeWindow window;
        prompt.AnswerPath(file);
        for (QPushButton* b : window.findChildren<QPushButton*>())
            if (b->text() == QLatin1String("&Send"))
                b->click();
    }
    EXPECT_EQ(sending.opened, QStringList({"Processing Records|Sending|  0% Completed"}));
    EXPECT_EQ(prompt.Questions().back().caption, "Synchronization Completed");
    EXPECT_EQ(prompt.Questions().back().text, "Sent 0 tasks and 1 to-do item to " + file + ".");

    TodoRecord todo;
    Cursor<TodoRecord> cursor(d.Todo, FileOrder);
    ASSERT_TRUE(cursor.Next(todo));
    todo.LASTCHANGEDATE -= 1; // older here: the received item would replace it
    ASSERT_TRUE(d.Todo.Put(todo));
    for (const int cancelAt : {1, 101}) {
        ProgressWatch receiving(cancelAt);
        SynchronizeWindow window;
        prompt.AnswerPath(file);
        for (QPushButton* b : window.findChildren<QPushButton*>())
            if (b->text() == QLatin1String("&Receive"))
                b->click();
        EXPECT_EQ(receiving.opened, QStringList({"Processing Records||  0% Completed"}));
        TodoRecord stored;
        ASSERT_TRUE(d.Todo.Get(todo.RecordPointer, stored) || cancelAt == 101);
        if (cancelAt == 1) {
            EXPECT_EQ(stored.LASTCHANGEDATE, todo.LASTCHANGEDATE) << "the cancelled receive replaced nothing";
            EXPECT_EQ(prompt.Questions().back().text, "Cancelled: nothing was changed.");
        } else {
            EXPECT_EQ(prompt.Questions().back().text,
                      "Received from " + file + ": 0 tasks and 1 to-do item added or replaced.");
        }
    }
    EXPECT_EQ(d.Todo.Records(), 1);
}

} // namespace
} // namespace vl
