// The script item editor offscreen on real tables: the page of each action,
// what opening and saving keep, the Wait mode, refusals, the template twin,
// the start options window, the window-content picker, the window picker's
// choice by mouse and keyboard, and the key list in front of the modal editor.

#include "core/base/Globals.h"
#include "core/base/TextFileRecords.h"
#include "core/dictionary/Dictionary.h"
#include "windows/pim/UpdateMessages.h"
#include "platform/desktop/FakeDesktopBackend.h"
#include "platform/runtime/Clock.h"
#include "scripting/items/ScriptItemStore.h"
#include "platform/widgets/FrameProcedures.h"
#include "windows/scripting/ScriptItemEditor.h"
#include "windows/scripting/ScriptKeysWindow.h"
#include "windows/scripting/StartOptionsWindow.h"
#include "windows/scripting/UpdateScripting.h"
#include "windows/scripting/WindowContentPicker.h"
#include "windows/scripting/WindowTitleBox.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace vl {
namespace {

class ScriptItemEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Scripting));
        ASSERT_TRUE(OpenTable(d.ScriptTemplateDetails));
    }
    void TearDown() override { DictionaryEnd(); }

    ScriptingRecord Stored(const char* action, void (*fill)(ScriptingRecord&) = nullptr)
    {
        ScriptingRecord item;
        item.ID = 5;
        item.Action = action;
        if (fill)
            fill(item);
        EXPECT_TRUE(d.Scripting.Add(item));
        return item;
    }
    ScriptingRecord Reread(const ScriptingRecord& item)
    {
        ScriptingRecord stored;
        EXPECT_TRUE(d.Scripting.Get(item.RecordPointer, stored));
        return stored;
    }
    std::unique_ptr<ScriptItemEditor> Editor(FormRequest request, const ScriptingRecord& item,
                                             ScriptItemOwner owner = ScriptItemOwner::Task)
    {
        return std::make_unique<ScriptItemEditor>(request, item, owner, [request](ScriptingRecord& edited) {
            return StoreScriptItem(request, edited);
        });
    }
    template <class W>
    static W* Find(const QWidget* in, const QString& text)
    {
        for (W* widget : in->findChildren<W*>()) {
            if (widget->text() == text)
                return widget;
        }
        ADD_FAILURE() << "no control " << text.toStdString();
        return nullptr;
    }
    static QGroupBox* WaitMode(const QWidget* editor)
    {
        for (QGroupBox* box : editor->findChildren<QGroupBox*>()) {
            if (box->title() == "Wait mode")
                return box;
        }
        ADD_FAILURE() << "no Wait mode";
        return nullptr;
    }
    template <class W>
    static W* First(const ScriptItemEditor& editor)
    {
        return editor.PageWidget(editor.Page())->findChild<W*>();
    }
    // Presses the button of the modal window that is about to open.
    static void PressInModal(const QString& text)
    {
        QTimer::singleShot(0, [text] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            Find<QPushButton>(modal, text)->click();
        });
    }

    SettableClock clock{82244, 360001};
    ClockOverride useClock{clock};
    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
};

TEST_F(ScriptItemEditorTest, EachActionShowsOnlyItsOwnPage)
{
    const struct {
        const char* action;
        const char* tab;
        const char* shown;
    } cases[] = {
        {"Send Keys", "Keys", "Send Keys"},          {"Set Focus", "Focus", "Set Focus"},
        {"Wait", "Wait", "Wait"},                    {"Display Message", "Display Message", "Display Message"},
        {"If Window...", "If Window", "If Window..."}, {"If Time Elapsed...", "If Time", "If Time Elapsed..."},
        {"If Value...", "If Var", "If Value..."},     {"...End If", "@End If", "...End If"},
        {"Start Program", "Start", "Start Program"}, {"Close Program", "Close", "Close Program"},
        {"Start Script", "Start Script", "Start Script"}, {"DDE", "DDE", "DDE"},
        {"Send Email", "Send Email", "Send Email"},  {"Set Value", "Set Var", "Set Value"},
        {"Exit Script", "Other", "Other"},           {"File Actions", "File Actions", "File Actions"},
    };
    auto editor = Editor(FormRequest::Insert, NewScriptItem(5));
    EXPECT_EQ(editor->windowTitle(), "New Script Action");
    EXPECT_EQ(editor->Page(), ScriptPage::Keys);
    EXPECT_TRUE(editor->ActionButton("Send Keys")->isChecked());
    auto* sheet = editor->findChild<QTabWidget*>();
    for (const auto& c : cases) {
        editor->ActionButton(c.action)->click();
        int visible = 0;
        for (int i = 0; i < sheet->count(); ++i)
            visible += sheet->isTabVisible(i) ? 1 : 0;
        EXPECT_EQ(visible, 1) << c.action;
        EXPECT_EQ(sheet->tabText(sheet->currentIndex()), c.tab);
        EXPECT_EQ(editor->ActionLine()->text(), c.shown);
        EXPECT_TRUE(editor->ActionButton(c.action)->isChecked()) << c.action;
        EXPECT_EQ(editor->HelpBox()->toPlainText().isEmpty(), QString(c.action) == "...End If") << c.action;
    }
    editor->ActionButton("If Time Elapsed...")->click();
    EXPECT_TRUE(Find<QRadioButton>(editor.get(), "Greater than")->isChecked());
    EXPECT_EQ(First<QSpinBox>(*editor)->value(), 86400);
}

TEST_F(ScriptItemEditorTest, OpeningAndSavingKeepWhatTheItemHolds)
{
    // An old window test is shown and stored in today's words; a long
    // message and title survive whole; "Exit Script" shows as "Other".
    ScriptingRecord ifWindow =
        Stored("If Window...", [](ScriptingRecord& i) { i.WindowExistance = "Window Doesn't Exist"; });
    auto editor = Editor(FormRequest::Change, ifWindow);
    EXPECT_TRUE(Find<QRadioButton>(editor.get(), "Does not exist")->isChecked());
    editor->OkButton()->click();
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_EQ(Reread(ifWindow).WindowExistance, "Does not exist");
    EXPECT_EQ(Reread(ifWindow).NETWORKUSER, UserID);
    EXPECT_EQ(Reread(ifWindow).LASTCHANGETIME, 360001);
    EXPECT_EQ(Reread(ifWindow).ORIGINALID, 5);

    ScriptingRecord message = Stored("Display Message", [](ScriptingRecord& i) {
        i.DDEApplicationName = QString(200, 'm');
        i.DDEApplicationTopic = QString(120, 't');
    });
    auto cancelled = Editor(FormRequest::Change, message);
    First<QLineEdit>(*cancelled)->setText("changed");
    emit First<QLineEdit>(*cancelled)->textEdited("changed");
    cancelled->CancelButton()->click();
    EXPECT_EQ(Reread(message).DDEApplicationTopic, QString(120, 't'));
    editor = Editor(FormRequest::Change, message);
    EXPECT_EQ(First<QPlainTextEdit>(*editor)->toPlainText(), QString(200, 'm'));
    editor->OkButton()->click();
    EXPECT_EQ(Reread(message).DDEApplicationName, QString(200, 'm'));
    EXPECT_EQ(Reread(message).DDEApplicationTopic, QString(120, 't'));

    ScriptingRecord exit = Stored("Send Keys");
    editor = Editor(FormRequest::Change, exit);
    editor->ActionButton("Exit Script")->click();
    EXPECT_EQ(editor->ActionLine()->text(), "Other");
    editor->OkButton()->click();
    EXPECT_EQ(Reread(exit).Action, "Exit Script");

    ScriptingRecord recycle = Stored("File Actions", [](ScriptingRecord& i) { i.DDEType = "Recycle"; });
    editor = Editor(FormRequest::Change, recycle);
    EXPECT_EQ(First<QComboBox>(*editor)->currentText(), "Recycle");
    EXPECT_TRUE(Find<QLabel>(editor.get(), "&File:")->isVisibleTo(editor->PageWidget(ScriptPage::FileActions)));
    EXPECT_EQ(prompt.Questions().size(), 0u);
}

TEST_F(ScriptItemEditorTest, SendEmailPicksAStoredMessageAndAddsNewOnesUnlinked)
{
    ASSERT_TRUE(OpenTable(d.Messages));
    MessagesRecord stored;
    stored.MAILTYPE = "Email";
    stored.EmailTo = "bob@example.test";
    stored.Subject = "Rent   ";
    ASSERT_TRUE(d.Messages.Add(stored));
    ScriptingRecord item = Stored("Send Email");
    auto editor = Editor(FormRequest::Change, item);
    PressInModal("&Select");
    Find<QPushButton>(editor.get(), "Select &Message")->click();
    EXPECT_EQ(editor->Item().EmailID, stored.EmailID);
    EXPECT_EQ(editor->Item().WindowTitleToCheckFor, "Rent - bob@example.test");

    QTimer::singleShot(0, [] {
        auto* form = qobject_cast<UpdateMessages*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        form->RecipientEntry()->setText("amy@example.test");
        form->SubjectEntry()->setText("New one");
        form->OkButton()->click();
    });
    Find<QPushButton>(editor.get(), "&New Message")->click();
    EXPECT_EQ(d.Messages.Records(), 2);
    EXPECT_EQ(editor->Item().EmailID, stored.EmailID);
    editor->OkButton()->click();
    EXPECT_EQ(Reread(item).EmailID, stored.EmailID);
    EXPECT_TRUE(Find<QPushButton>(Editor(FormRequest::Change, item, ScriptItemOwner::Template).get(), "&New Message")
                    ->isHidden());
}

TEST_F(ScriptItemEditorTest, WaitModeIsOfferedOnlyForSecondsAndAWindow)
{
    ScriptingRecord wait = Stored("Wait", [](ScriptingRecord& i) {
        i.SecondsToWait = 10;
        i.WaitForWindow = "Untitled*";
    });
    auto editor = Editor(FormRequest::Change, wait);
    QGroupBox* mode = WaitMode(editor.get());
    EXPECT_TRUE(mode->isEnabled());
    EXPECT_TRUE(Find<QRadioButton>(editor.get(), "Either")->isChecked());
    First<QSpinBox>(*editor)->setValue(0);
    EXPECT_FALSE(mode->isEnabled());
    editor->OkButton()->click();
    EXPECT_EQ(Reread(wait).DDEApplicationName, "");

    auto fresh = Editor(FormRequest::Insert, NewScriptItem(5));
    fresh->ActionButton("Wait")->click();
    mode = WaitMode(fresh.get());
    EXPECT_FALSE(mode->isEnabled());
    First<QSpinBox>(*fresh)->setValue(5);
    First<QComboBox>(*fresh)->setEditText("Untitled*");
    EXPECT_TRUE(mode->isEnabled());
    EXPECT_TRUE(Find<QRadioButton>(fresh.get(), "Both")->isChecked());
}

TEST_F(ScriptItemEditorTest, KeyBuilderAppendsToTheKeystrokesWithinTheirWidth)
{
    auto editor = Editor(FormRequest::Insert, NewScriptItem(5));
    auto* page = editor->PageWidget(ScriptPage::Keys);
    const QList<QComboBox*> lists = page->findChildren<QComboBox*>();
    ASSERT_EQ(lists.size(), 3);
    lists[0]->setCurrentText("CtrlShift");
    lists[1]->setCurrentText("F5");
    Find<QPushButton>(page, "Append")->click();
    lists[2]->setCurrentText("TODAY");
    Find<QPushButton>(page, "A&ppend")->click();
    EXPECT_EQ(First<QLineEdit>(*editor)->text(), "[CtrlShift-F5][TODAY]");

    ScriptingRecord full = NewScriptItem(5);
    full.Keystrokes = QString(250, 'k');
    auto crowded = Editor(FormRequest::Insert, full);
    prompt.Answer(1);
    Find<QPushButton>(crowded->PageWidget(ScriptPage::Keys), "A&ppend")->click();
    EXPECT_EQ(crowded->Item().Keystrokes, QString(250, 'k'));
    EXPECT_EQ(prompt.Questions().at(0).caption, "Send Keys");
}

TEST_F(ScriptItemEditorTest, AbbreviationButtonOpensTheKeyListInFrontOfTheModalEditor)
{
    const QString procedure = QLatin1String(kScriptKeysProcedure);
    EXPECT_FALSE(Find<QPushButton>(Editor(FormRequest::Insert, NewScriptItem(5))->PageWidget(ScriptPage::Keys),
                                   "View Abbreviation List")
                     ->isEnabled());
    Procedures().RegisterWindow(procedure, [] { return ViewAscii_ScriptKeys(); });
    // The editor runs modal, as it does for the script list: the key list
    // opens in front of it and takes input while it is open.
    auto editor = Editor(FormRequest::Insert, NewScriptItem(5));
    QPointer<ScriptKeysWindow> list;
    bool usable = false;
    int cutLines = 0;
    QTimer::singleShot(0, [&] {
        Find<QPushButton>(editor->PageWidget(ScriptPage::Keys), "View Abbreviation List")->click();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!list)
                list = qobject_cast<ScriptKeysWindow*>(window);
        }
        ASSERT_FALSE(list.isNull());
        const QWindow* modal = QGuiApplication::modalWindow();
        usable = list->isVisible() && modal && list->windowHandle()
            && modal->isAncestorOf(list->windowHandle(), QWindow::IncludeTransients);
        const int room = list->List()->viewport()->width();
        for (int row = 0; row < list->LineCount(); ++row)
            cutLines += list->List()->fontMetrics().horizontalAdvance(list->LineText(row)) > room ? 1 : 0;
        EXPECT_EQ(list->windowTitle(), kScriptKeysCaption);
        editor->CancelButton()->click();
    });
    editor->exec();
    Procedures().Unregister(procedure);
    EXPECT_TRUE(usable) << "the key list waits behind the modal editor";
    EXPECT_EQ(cutLines, 0) << "lines wider than the list";
    editor.reset();
    EXPECT_TRUE(list.isNull()) << "the list goes with its editor";
}

TEST_F(ScriptItemEditorTest, AnItemOfNoTaskIsNeverStored)
{
    prompt.Answer(1).Answer(1);
    auto editor = Editor(FormRequest::Insert, NewScriptItem(0));
    editor->OkButton()->click();
    EXPECT_EQ(editor->result(), 0);
    EXPECT_EQ(d.Scripting.Records(), 0);
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[0].text, "Unable to attach script to scheduled item.  Schedule ID is 0.");
    EXPECT_EQ(prompt.Questions()[1].caption, "Internal Error");
    EXPECT_TRUE(prompt.Questions()[1].text.contains("save the task first"));
}

TEST_F(ScriptItemEditorTest, AFailedSaveIsReportedAndLoggedWithoutThePassword)
{
    GlobalUseLog = true;
    const QString password(127, 'p');
    ScriptingRecord ftp = Stored("File Actions", [](ScriptingRecord& i) {
        i.DDEType = "FTP Upload";
        i.DDEApplicationTopic = QString("anna").leftJustified(128) + QString(127, 'p');
    });
    auto editor = Editor(FormRequest::Change, ftp);
    ASSERT_TRUE(d.Scripting.Delete(ftp));
    prompt.Answer(1);
    editor->OkButton()->click();
    GlobalUseLog = false;
    EXPECT_EQ(editor->result(), 0);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_FALSE(prompt.Questions()[0].text.contains("ppp"));
    const QString log = test::ReadTextFile(kEventLogFileName);
    EXPECT_TRUE(log.contains("Script action of task 5 not saved")) << log.toStdString();
    EXPECT_FALSE(log.contains("ppp"));
}

TEST_F(ScriptItemEditorTest, RequestsThroughTheEntryPointsAndEachEditorKeepsItsOwner)
{
    // A template's editor and a task's may be open at once; each stores
    // into its own table.
    auto taskEditor = Editor(FormRequest::Insert, NewScriptItem(5));
    PressInModal("&OK");
    ScriptTemplateDetailsRecord detail;
    ASSERT_TRUE(UpdateScriptTemplateDetail(FormRequest::Insert, detail, 3));
    EXPECT_EQ(detail.WIZ_ID, 3);
    EXPECT_EQ(detail.Sequence, 1);
    EXPECT_EQ(detail.Action, "Send Keys");
    EXPECT_EQ(detail.LASTCHANGEDATE, 82244);
    EXPECT_EQ(d.ScriptTemplateDetails.Records(), 1);
    taskEditor->OkButton()->click();
    EXPECT_EQ(taskEditor->windowTitle(), "New Script Action");
    EXPECT_EQ(d.Scripting.Records(), 1);

    const struct {
        FormRequest request;
        const char* button;
        bool done;
        int64_t records;
    } cases[] = {
        {FormRequest::View, "Cl&ose", false, 1},
        {FormRequest::Change, "Cancel", false, 1},
        {FormRequest::Insert, "&OK", true, 2},
        {FormRequest::Delete, "&OK", true, 1},
    };
    ScriptingRecord item = taskEditor->Item();
    for (const auto& c : cases) {
        PressInModal(c.button);
        ScriptingRecord edited = item;
        EXPECT_EQ(UpdateScripting(c.request, edited, 5), c.done) << c.button;
        EXPECT_EQ(d.Scripting.Records(), c.records) << c.button;
        if (c.request == FormRequest::Insert) {
            EXPECT_EQ(edited.Sequence, 2);
        }
    }
    EXPECT_EQ(prompt.Questions().size(), 0u);
}

TEST_F(ScriptItemEditorTest, StartOptionsWriteTheirFourCodes)
{
    ScriptingRecord item;
    item.DDEApplicationName = "0251";
    StartOptionsWindow window(item);
    EXPECT_TRUE(window.Verbs()->button(0)->isChecked());
    // The choices this desktop cannot act on say so; the plain start and "Open" need no word.
    EXPECT_TRUE(window.WindowModes()->button('1')->toolTip().isEmpty());
    EXPECT_TRUE(window.WindowModes()->button('7')->toolTip().startsWith("Not on this desktop"));
    EXPECT_TRUE(window.Verbs()->button(0)->toolTip().isEmpty());
    EXPECT_TRUE(window.Verbs()->button(2)->toolTip().startsWith("Not on this desktop"));
    EXPECT_FALSE(window.SecondsSpin()->isEnabled());
    window.WaitBox()->click();
    EXPECT_TRUE(window.SecondsSpin()->isEnabled());
    EXPECT_FALSE(window.VerbGroup()->isEnabled());
    window.SecondsSpin()->setValue(90);
    WriteStartOptions(window.Options(), item);
    EXPECT_EQ(item.DDEApplicationName, "1211");
    EXPECT_EQ(item.TimeElapsed, 90);
    EXPECT_EQ(item.DDEApplicationTopic, "Open");

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    item.DDEApplicationName = "";
    EXPECT_FALSE(EditStartOptions(item));
    EXPECT_EQ(item.DDEApplicationName, "");
}

TEST_F(ScriptItemEditorTest, ContentPickerOffersTheWindowsChildren)
{
    FakeDesktopBackend desktop;
    desktop.AddWindow({1, "Untitled - Notepad", "Notepad", true});
    desktop.AddWindow({2, "Save", "Button", true}, 1);
    desktop.AddWindow({3, "", "Edit", true}, 1);
    DesktopOverride useDesktop(desktop);
    WindowContentPicker picker(kWindowContentProcedure, 1, "Cancel");
    ASSERT_EQ(picker.ContentBox()->count(), 1);
    EXPECT_EQ(picker.ContentBox()->itemText(0), "Save");
    EXPECT_EQ(picker.Text(), "Cancel");
    picker.ContentBox()->setCurrentIndex(0);
    EXPECT_EQ(picker.Text(), "Save");
}

TEST_F(ScriptItemEditorTest, WindowPickerKeepsTheWindowChosenWithMouseOrKeyboard)
{
    FakeDesktopBackend desktop;
    desktop.AddWindow({1, "Untitled - Notepad", "Notepad", true});
    desktop.AddWindow({2, "TargetTerm", "XTerm", true});
    DesktopOverride useDesktop(desktop);
    // The entry gets the focus back as its list closes: that must not
    // refill the list under the choice.
    const auto chooseWithMouse = [](QAbstractItemView* view, int row) {
        const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, at, view->viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(view->viewport(), &click);
        }
    };
    const auto chooseWithKeys = [](QAbstractItemView* view, int row) {
        view->setCurrentIndex(view->model()->index(row - 1, 0));
        for (int key : {int(Qt::Key_Down), int(Qt::Key_Return)}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(view, &press);
        }
    };
    for (const auto& choose : {std::function<void(QAbstractItemView*, int)>(chooseWithMouse),
                               std::function<void(QAbstractItemView*, int)>(chooseWithKeys)}) {
        for (const char* action : {"Set Focus", "Wait", "If Window..."}) {
            auto editor = Editor(FormRequest::Insert, NewScriptItem(5));
            editor->ActionButton(action)->click();
            editor->show();
            QApplication::setActiveWindow(editor.get());
            auto* box = editor->PageWidget(editor->Page())->findChild<WindowTitleBox*>();
            ASSERT_NE(box, nullptr) << action;
            box->setFocus();
            box->showPopup();
            ASSERT_TRUE(box->view()->isVisible()) << action;
            EXPECT_EQ(box->count(), 2) << action;
            choose(box->view(), 1);
            EXPECT_FALSE(box->view()->isVisible()) << action;
            EXPECT_EQ(box->currentText(), "TargetTerm") << action;
            editor->OkButton()->click();
            EXPECT_EQ(editor->result(), QDialog::Accepted) << action;
            const ScriptingRecord stored = editor->Item();
            EXPECT_TRUE(stored.FocusOnWindow == "TargetTerm" || stored.WaitForWindow == "TargetTerm"
                        || stored.WindowTitleToCheckFor == "TargetTerm")
                << action;
        }
    }
}

} // namespace
} // namespace vl
