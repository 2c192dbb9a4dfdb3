// The program's hot keys over a data directory of each test's own: which
// keys are registered and given back, what is reported about keys that do
// not work, what a press does, and the text and task actions.

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/ProgramQueues.h"
#include "core/dictionary/TableDefinitions.h"
#include "core/base/Globals.h"
#include "hotkeys/DesktopHotKeyOutput.h"
#include "hotkeys/HotKeyActions.h"
#include "hotkeys/ProgramHotKeys.h"
#include "platform/desktop/FakeDesktopBackend.h"
#include "platform/desktop/FakeHotKeyBackend.h"
#include "platform/desktop/X11HotKeyBackend.h"
#include "tests/platform/desktop/PrivateXServer.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace vl {
namespace {

using Key = FakeHotKeyBackend::Key;

// Records what the actions would do to the desktop, one line each.
class RecordingOutput : public HotKeyOutput {
public:
    void ReleaseModifiers() override { done << "release"; }
    void Pause(int ms) override { done << QStringLiteral("pause %1").arg(ms); }
    bool SendKeys(const QString& keys, QString* error) override
    {
        done << "keys " + keys;
        if (!failure.isEmpty())
            *error = failure;
        return failure.isEmpty();
    }
    bool PressPaste(QString*) override
    {
        done << "paste";
        return true;
    }
    void SetClipboardText(const QString& text) override { done << "clipboard " + text; }

    QStringList done;
    QString failure; // SendKeys fails with it when set
};

class ProgramHotKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DictionaryStart();
        ASSERT_TRUE(OpenTable(Tables().SysHotKeys));
        ASSERT_TRUE(OpenTable(Tables().Schedule));
        ASSERT_TRUE(OpenTable(Tables().Scripting));
    }
    void TearDown() override
    {
        DictionaryEnd();
        ScriptQueue.clear();
    }

    static SysHotKeysRecord AddHotKey(const QString& key, const QString& action = "Text", uint8_t active = 1,
                                      const QString& textType = "Type", const QString& text = "hello")
    {
        SysHotKeysRecord record;
        Tables().SysHotKeys.Prime(record);
        record.HotKey = key;
        record.Action = action;
        record.ACTIVE = active;
        record.TEXTTYPE = textType;
        record.Text = text;
        EXPECT_TRUE(Tables().SysHotKeys.Add(record)) << Tables().SysHotKeys.Error().toStdString();
        return record;
    }

    // A task of the type with two script items; its ID.
    static int32_t AddTask(const QString& type)
    {
        ScheduleRecord task;
        Tables().Schedule.Clear(task);
        task.Description = "keyed";
        task.TaskType = type;
        EXPECT_TRUE(Tables().Schedule.Add(task));
        for (int sequence = 1; sequence <= 2; ++sequence) {
            ScriptingRecord item;
            Tables().Scripting.Clear(item);
            item.ID = task.ID;
            item.Sequence = sequence;
            item.Action = "Wait";
            EXPECT_TRUE(Tables().Scripting.Add(item));
        }
        return task.ID;
    }

    QList<Key> GrabbedKeys() const { return backend.Grabbed().values(); }

    FakeHotKeyBackend backend;
    RecordingOutput output;
    test::ScriptedPrompt prompt;
    int restored = 0;
    ProgramHotKeys hotKeys{backend, output, [this] { ++restored; }};
};

TEST_F(ProgramHotKeysTest, RegistersTheActiveKeysAndGivesBackThoseDeletedOrSwitchedOff)
{
    AddHotKey("Ctrl-Shift-F5");
    SysHotKeysRecord off = AddHotKey("Alt-Q", "Text", 0);
    SysHotKeysRecord doomed = AddHotKey("Ctrl-Alt-DELETE");
    hotKeys.Start();
    EXPECT_EQ(GrabbedKeys(), (QList<Key>{{3, 46}, {6, 116}, {8, 87}}));

    ASSERT_TRUE(Tables().SysHotKeys.Delete(doomed));
    off.ACTIVE = 1;
    ASSERT_TRUE(Tables().SysHotKeys.Put(off));
    SysHotKeysRecord on;
    on.HotKey = "Ctrl-Shift-F5";
    ASSERT_TRUE(Tables().SysHotKeys.Get(HOT_K_HOTKEY, on));
    on.ACTIVE = 0;
    ASSERT_TRUE(Tables().SysHotKeys.Put(on));
    hotKeys.Reregister();
    EXPECT_EQ(GrabbedKeys(), (QList<Key>{{1, 81}, {8, 87}}));
    EXPECT_TRUE(prompt.Questions().empty());
}

TEST_F(ProgramHotKeysTest, KeysThatDoNotWorkAreReportedOnceAndTheOthersWork)
{
    backend.HoldElsewhere({2, 65});
    AddHotKey("Ctrl-A");
    AddHotKey("Ctrl-B");
    AddHotKey("Ctrl-Bogus-Key"); // modifiers and no key the desktop has
    AddHotKey("Nonsense");
    hotKeys.Start();
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions().at(0).kind, test::PromptKind::Notice);
    EXPECT_EQ(prompt.Questions().at(0).caption, "Hot Keys");
    EXPECT_EQ(prompt.Questions().at(0).text,
              "These hot keys do not work:|Ctrl-Bogus-Key (not a key)|"
              "Ctrl-A (in use by another program, or not on this keyboard)|Nonsense (not a key)");
    EXPECT_TRUE(GrabbedKeys().contains((Key{2, 66})));

    hotKeys.Reregister();
    EXPECT_EQ(prompt.Questions().size(), 1u) << "reported once";
    AddHotKey("Alt-Nothing");
    hotKeys.Reregister();
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions().at(1).text, "These hot keys do not work:|Alt-Nothing (not a key)");
}

TEST_F(ProgramHotKeysTest, PressesRestoreTheFrameRunTheKeyOrReportAKeyGone)
{
    SysHotKeysRecord gone = AddHotKey("Ctrl-G", "Text", 1, "Copy", "copied");
    AddHotKey("Ctrl-H", "Text", 1, "Copy", "second");
    hotKeys.Start();
    const int ctrlG = backend.Grabbed().key({2, 71});
    const int winW = backend.Grabbed().key({8, 87});

    backend.Press(winW);
    backend.Press(ctrlG);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(restored, 1);
    EXPECT_EQ(output.done, QStringList{"clipboard copied"});

    ASSERT_TRUE(Tables().SysHotKeys.Delete(gone));
    prompt.Answer(1);
    backend.Press(ctrlG);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions().at(0).caption, "Ctrl-G");
    EXPECT_EQ(prompt.Questions().at(0).text, "Error retrieving hot key.");
    EXPECT_FALSE(GrabbedKeys().contains((Key{2, 71}))) << "registered again without it";
    EXPECT_TRUE(GrabbedKeys().contains((Key{2, 72})));
}

TEST_F(ProgramHotKeysTest, TextActionsTypeCopyOrPasteAndReportWhatFails)
{
    struct Case {
        const char* what;
        SysHotKeysRecord record;
        QString failure;
        QStringList done;
        QString message; // empty: none
    };
    const auto make = [](const char* action, const char* type, const char* text, uint8_t active = 1) {
        SysHotKeysRecord r;
        r.HotKey = "Ctrl-T";
        r.Action = action;
        r.TEXTTYPE = type;
        r.Text = text;
        r.ACTIVE = active;
        return r;
    };
    const Case cases[] = {
        {"type two lines", make("Text", "type", "one\r\ntwo  "), {}, {"release", "pause 200", "keys one\rtwo"}, {}},
        {"copy", make("TEXT", "Copy", "abc"), {}, {"clipboard abc"}, {}},
        {"paste", make("Text", "Paste", "abc"), {}, {"clipboard abc", "release", "pause 200", "paste"}, {}},
        {"switched off", make("Text", "Type", "abc", 0), {}, {}, {}},
        {"unknown type", make("Text", "Shout", "abc"), {}, {}, "Unknown Text Automation:  Shout"},
        {"unknown action", make("Mail", "Type", "abc"), {}, {}, "Unknown Action:  Mail"},
        {"typing fails", make("Text", "Type", "[Enter]"), "The key Enter could not be pressed.",
         {"release", "pause 200", "keys [Enter]"}, "The text could not be typed: The key Enter could not be pressed."},
    };
    for (const Case& c : cases) {
        test::ScriptedPrompt asked;
        if (!c.message.isEmpty())
            asked.Answer(1);
        output.done.clear();
        output.failure = c.failure;
        RunHotKeyAction(c.record, output);
        EXPECT_EQ(output.done, c.done) << c.what;
        ASSERT_EQ(asked.Questions().size(), c.message.isEmpty() ? 0u : 1u) << c.what;
        if (!c.message.isEmpty()) {
            EXPECT_EQ(asked.Questions().at(0).text, c.message) << c.what;
            EXPECT_EQ(asked.Questions().at(0).caption, "Hot-Key Ctrl-T Error") << c.what;
        }
    }
}

// A "Type" text goes out as a script's Send Keys text does: in bursts after
// pauses of the setting, a group that names no key typed as written or, a
// modifier alone, left out, and the rest typed all the same.
TEST_F(ProgramHotKeysTest, TypedTextGoesThroughTheScriptsKeystrokeRoutine)
{
    class PausingOutput : public DesktopHotKeyOutput {
    public:
        void Pause(int ms) override { pauses << ms; }
        QList<int> pauses;
    };
    FakeDesktopBackend desktop;
    DesktopOverride useDesktop(desktop);
    BurstSize = 3;
    GlobalDelay = 25;
    PausingOutput typing;
    SysHotKeysRecord record;
    record.HotKey = "Ctrl-T";
    record.Action = "Text";
    record.TEXTTYPE = "Type";
    record.Text = "mail[at]x[Ctrl]y[Enter]";
    record.ACTIVE = 1;
    RunHotKeyAction(record, typing);
    QString typed;
    for (const QString& event : desktop.Events())
        typed += event.startsWith("type ") ? event.mid(5) : "<" + event + ">";
    EXPECT_EQ(typed, "<up 16><up 17><up 18><up 19>mailatxy<down 13><up 13>");
    // "mai", "l", "[at]", "x", "[Ctrl]", "y", "[Enter]", each after 250 ms.
    EXPECT_EQ(typing.pauses, QList<int>({200, 250, 250, 250, 250, 250, 250, 250}));
    BurstSize = 7;
}

TEST_F(ProgramHotKeysTest, TaskActionsQueueTheScriptOfTheirOwnTaskOnly)
{
    const int32_t own = AddTask(QString::fromLatin1(kHotKeyTaskType));
    const int32_t foreign = AddTask("Run Program");
    struct Case {
        const char* what;
        int32_t id;
        int queued; // items plus the end entry; 0: the task is reported missing
    };
    const Case cases[] = {
        {"its task", own, 3},
        {"a task of another kind with its ID", foreign, 0},
        {"a task deleted", foreign + 1, 0},
        {"no task yet", -1, 0},
    };
    for (const Case& c : cases) {
        test::ScriptedPrompt asked;
        if (!c.queued)
            asked.Answer(1);
        ScriptQueue.clear();
        SysHotKeysRecord record;
        record.HotKey = "Ctrl-K";
        record.Action = "Task";
        record.ACTIVE = 1;
        record.ID = c.id;
        RunHotKeyAction(record, output);
        EXPECT_EQ(ScriptQueue.size(), c.queued) << c.what;
        if (c.queued) {
            EXPECT_EQ(ScriptQueue.at(0).RECORD.ID, own) << c.what;
        }
        ASSERT_EQ(asked.Questions().size(), c.queued ? 0u : 1u) << c.what;
        if (!c.queued) {
            EXPECT_EQ(asked.Questions().at(0).text, "Unable to retrieve associated task.") << c.what;
        }
    }
}

TEST_F(ProgramHotKeysTest, AKeyPressedOnAnXServerRunsItsAction)
{
    test::PrivateXServer server;
    ASSERT_FALSE(server.DisplayName().isEmpty()) << "Xvfb could not be started";
    std::unique_ptr<X11HotKeyBackend> x11 = X11HotKeyBackend::Open(server.DisplayName().constData());
    ASSERT_NE(x11, nullptr);
    AddHotKey("Ctrl-Shift-F5", "Text", 1, "Copy", "from the desk");
    ProgramHotKeys onX11(*x11, output, [] {});
    onX11.Start();

    Display* display = XOpenDisplay(server.DisplayName().constData());
    ASSERT_NE(display, nullptr);
    const KeySym keys[] = {XK_Control_L, XK_Shift_L, XK_F5};
    for (const KeySym key : keys)
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, key), True, 0);
    for (const KeySym key : keys)
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, key), False, 0);
    XSync(display, False);
    XCloseDisplay(display);
    x11->ReadPresses();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(output.done, QStringList{"clipboard from the desk"});
}

} // namespace
} // namespace vl
