// The synchronisation file on real tables: what is sent, and how a received
// file merges by change stamp (later local versions kept, earlier ones
// replaced with their script items, other categories untouched, items
// renumbered, to-do items neither doubled nor lost to a refused one; a
// version already here changes nothing, so receiving one's own file leaves
// everything as it was; a cancelled receive keeps nothing of it).

#include "core/dictionary/Dictionary.h"
#include "exchange/SyncExchange.h"
#include "platform/data/NoCaseCollation.h"
#include "platform/runtime/FixedText.h"
#include "tests/platform/data/DataFileFaults.h"
#include "tests/support/TempDir.h"

#include <SQLiteCpp/Database.h>

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace vl {
namespace {

class SyncExchangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (TableFile* table : std::initializer_list<TableFile*>{&d.Schedule, &d.Scripting, &d.Todo})
            ASSERT_TRUE(OpenTable(*table));
    }
    void TearDown() override { DictionaryEnd(); }

    int32_t AddTask(const QString& category, int32_t stamp, int items, vl::Date date = 80000)
    {
        ScheduleRecord task;
        d.Schedule.Prime(task);
        task.TaskType = "Run Program";
        task.Description = "Backup";
        task.Category = category;
        task.Date = date;
        task.Time = 100;
        task.LASTCHANGEDATE = stamp;
        task.LASTCHANGETIME = 1; // not the moment of priming: equal dates must tie
        EXPECT_TRUE(d.Schedule.Add(task));
        for (int i = 0; i < items; ++i) {
            ScriptingRecord item;
            d.Scripting.Prime(item);
            item.ID = task.ID;
            item.Sequence = 1 + 4 * i;
            item.Action = "Beep";
            EXPECT_TRUE(d.Scripting.Add(item));
        }
        return task.ID;
    }
    void AddTodo(const QString& text, int32_t stamp, uint8_t priority = 1)
    {
        TodoRecord todo;
        d.Todo.Prime(todo);
        todo.ToDo = text;
        todo.Priority = priority;
        todo.LASTCHANGEDATE = stamp;
        ASSERT_TRUE(d.Todo.Add(todo));
    }
    // "category:stamp:sequences" of every task (with "#ID" when asked);
    // "text:stamp" of every to-do item.
    QString Tasks(bool ids = false)
    {
        QStringList shown;
        ScheduleRecord task;
        Cursor<ScheduleRecord> tasks(d.Schedule, SCH_KEYID);
        while (tasks.Next(task)) {
            QString items;
            ScriptingRecord item;
            Cursor<ScriptingRecord> cursor(d.Scripting, SCR_KEYID);
            while (cursor.Next(item))
                if (item.ID == task.ID)
                    items += QString::number(item.Sequence);
            shown << Clip(task.Category) + ":" + QString::number(task.LASTCHANGEDATE) + ":" + items
                         + (ids ? "#" + QString::number(task.ID) : QString());
        }
        return shown.join(' ');
    }
    QString Todos()
    {
        QStringList shown;
        TodoRecord todo;
        Cursor<TodoRecord> todos(d.Todo, TDO_KEYTODO);
        while (todos.Next(todo))
            shown << Clip(todo.ToDo) + ":" + QString::number(todo.LASTCHANGEDATE);
        return shown.join(' ');
    }

    Dictionary& d = (DictionaryStart(), Tables());
};

TEST_F(SyncExchangeTest, ReceivedFileMergesByChangeStamp)
{
    const int32_t sent = AddTask("Work", 100, 3);
    AddTask("Work", 60, 0, 0); // no next run: not sent
    AddTodo("x", 100);
    AddTodo("y", 100);
    AddTodo("bad", 100, 0);
    const QString file = test::WriteTextFile(test::TestPath("Sync.syn"), "an earlier file");
    const mode_t mask = ::umask(022);
    const SyncOutcome send = SyncSend(file + "\\!ignored");
    ::umask(mask);
    ASSERT_TRUE(send.ok) << send.error.toStdString();
    EXPECT_EQ(send.tasks, 1);
    EXPECT_EQ(send.todos, 3);
    EXPECT_EQ(QFileInfo(file).permissions(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                                                 QFileDevice::WriteUser)
        << "0600: it carries the tasks wherever it is written";
    EXPECT_EQ(QDir(test::TestDir()).entryList({"Sync.syn?*"}), QStringList()) << "nothing left beside the file";

    // One's own file: every task and item meets itself and nothing changes.
    const QString tasksSent = Tasks(true);
    const QString todosSent = Todos();
    const SyncOutcome own = SyncReceive(file);
    ASSERT_TRUE(own.ok) << own.error.toStdString();
    EXPECT_EQ(Tasks(true), tasksSent);
    EXPECT_EQ(Todos(), todosSent);
    EXPECT_EQ(own.tasks + own.todos, 0);
    EXPECT_TRUE(own.refused.isEmpty());

    // Meanwhile here: the sent task changed earlier (as did its unsent twin
    // without a next run, which the incoming task replaces too), a twin changed later,
    // one of the same name in another category, an older "x", an older "bad"
    // (which the incoming one, refused, does not replace).
    ScheduleRecord task;
    task.ID = sent;
    ASSERT_TRUE(d.Schedule.Get(SCH_KEYID, task));
    task.LASTCHANGEDATE = 50;
    ASSERT_TRUE(d.Schedule.Put(task));
    AddTask("Work", 200, 1);
    AddTask("Aardvark", 10, 1);
    TodoRecord x;
    x.ToDo = "x";
    ASSERT_TRUE(d.Todo.Get(TDO_KEYTODO, x));
    x.LASTCHANGEDATE = 50;
    ASSERT_TRUE(d.Todo.Put(x));
    x.ToDo = "bad";
    ASSERT_TRUE(d.Todo.Get(TDO_KEYTODO, x));
    x.LASTCHANGEDATE = 50;
    x.Priority = 1;
    ASSERT_TRUE(d.Todo.Put(x));
    AddTodo("new elsewhere", 1);
    ASSERT_EQ(Tasks(), "Work:50:159 Work:60: Work:200:1 Aardvark:10:1");

    // A cancelled receive keeps nothing of what it did before the cancel.
    const QString before = Tasks(true) + " / " + Todos();
    int told = 0;
    const SyncOutcome cancelled = SyncReceive(file, [&told](int) { return ++told < 3; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_FALSE(cancelled.ok);
    EXPECT_EQ(Tasks(true) + " / " + Todos(), before);

    const SyncOutcome receive = SyncReceive(file);
    ASSERT_TRUE(receive.ok) << receive.error.toStdString();
    EXPECT_EQ(Tasks(), "Work:200:1 Aardvark:10:1") << "the later local version alone stays";
    EXPECT_EQ(Todos(), "bad:50 new elsewhere:1 x:100 y:100");
    EXPECT_EQ(receive.refused.size(), 1);
    EXPECT_TRUE(receive.refused.value(0).startsWith("bad: "));

    // The same file again: every task meets the version it left here and
    // nothing changes, IDs included.
    const QString received = Tasks(true);
    ASSERT_TRUE(SyncReceive(file).ok);
    EXPECT_EQ(Tasks(true), received);
    EXPECT_EQ(Todos(), "bad:50 new elsewhere:1 x:100 y:100");
    EXPECT_FALSE(SyncReceive(test::TestPath("none.syn")).ok);
}

TEST_F(SyncExchangeTest, ReceivedTaskLeavesOneVersionOfItsLocalCopies)
{
    const int32_t work = AddTask("Work", 100, 2);
    const int32_t home = AddTask("Home", 100, 2);
    ASSERT_TRUE(SyncSend(test::TestPath("One.syn")).ok);
    for (const int32_t id : {work, home}) {
        ScheduleRecord task;
        task.ID = id;
        ASSERT_TRUE(d.Schedule.Get(SCH_KEYID, task));
        task.LASTCHANGEDATE = 50; // the sent versions are older here now
        ASSERT_TRUE(d.Schedule.Put(task));
    }
    AddTask("Work", 200, 3);
    const SyncOutcome receive = SyncReceive(test::TestPath("One.syn"));
    ASSERT_TRUE(receive.ok) << receive.error.toStdString();
    EXPECT_EQ(Tasks(), "Work:200:159 Home:100:12") << "the newest of the local and received versions";
}

// A received text longer than its field here (a file another installation
// wrote) is cut on a whole character: no half emoji, no "?".
TEST_F(SyncExchangeTest, AReceivedTextLongerThanItsFieldIsCutOnAWholeCharacter)
{
    AddTodo("long", 100);
    const QString file = test::TestPath("Long.syn");
    ASSERT_TRUE(SyncSend(file).ok);
    TodoRecord sent;
    sent.ToDo = "long";
    ASSERT_TRUE(d.Todo.Get(TDO_KEYTODO, sent) && d.Todo.Delete(sent));
    SQLite::Database sync(file.toStdString(), SQLite::OPEN_READWRITE);
    ASSERT_TRUE(RegisterNoCaseCollation(sync.getHandle()));
    SQLite::Statement longer(sync, "UPDATE todo SET ToDo = ?");
    longer.bind(1, (QString(79, u't') + QString::fromUtf8("\xF0\x9F\x98\x80 and more")).toStdString());
    ASSERT_EQ(longer.exec(), 1);
    ASSERT_TRUE(SyncReceive(file).ok);
    EXPECT_EQ(Todos(), QString(79, u't') + ":100");
}

// A walk that stops on a damaged page of the received file is no end of it:
// the receive fails naming the file, and nothing of it is kept.
TEST_F(SyncExchangeTest, DamagedFileReceivesNothing)
{
    struct Damage {
        const char* table;
        bool wholePage;
    };
    for (const Damage damage : {Damage{"s", false}, Damage{"todo", true}}) {
        for (int i = 0; i < 300; ++i) {
            AddTask(QString::number(i), 100, 0);
            AddTodo(QString::number(i), 100);
        }
        const QString file = test::TestPath("Damaged.syn");
        ASSERT_TRUE(SyncSend(file).ok);
        for (TableFile* table : std::initializer_list<TableFile*>{&d.Schedule, &d.Todo}) {
            ASSERT_TRUE(table->Stream());
            ScheduleRecord task;
            TodoRecord todo;
            for (Cursor<ScheduleRecord> tasks(d.Schedule, SCH_KEYID); table == &d.Schedule && tasks.Next(task);)
                ASSERT_TRUE(d.Schedule.Delete(task));
            for (Cursor<TodoRecord> todos(d.Todo, FileOrder); table == &d.Todo && todos.Next(todo);)
                ASSERT_TRUE(d.Todo.Delete(todo));
            ASSERT_TRUE(table->Flush());
        }
        AddTask("Here", 100, 0);
        const QString before = Tasks(true) + " / " + Todos();
        ASSERT_TRUE(test::DamagePage(file, damage.table, damage.wholePage, -1, '\0'));
        const SyncOutcome receive = SyncReceive(file);
        EXPECT_FALSE(receive.ok) << damage.table;
        EXPECT_TRUE(receive.error.contains(file)) << receive.error.toStdString();
        EXPECT_EQ(Tasks(true) + " / " + Todos(), before);
    }
}

// A file this program cannot read as a synchronisation file is refused
// with the reason; it stays as it was, byte for byte and without log files
// beside it, and so do the local tables. Keys of another installation's
// case rules are rebuilt in the copy read.
TEST_F(SyncExchangeTest, AFileThatIsNoSyncFileIsRefusedAndLeftAsItWas)
{
    AddTask("Here", 100, 1);
    AddTodo("here", 100);
    ASSERT_TRUE(SyncSend(test::TestPath("Newer.syn")).ok && SyncSend(test::TestPath("Older.syn")).ok);
    const auto sql = [](const char* name, const char* statement) {
        SQLite::Database(test::TestPath(name).toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
            .exec(statement);
    };
    sql("Newer.syn", "UPDATE vl_catalog SET version = version + 1");
    sql("Older.syn", "UPDATE vl_catalog SET collation = 'unicode-1'");
    sql("Other.syn", "CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('mine')");
    test::WriteTextFile(test::TestPath("Empty.syn"), "");
    test::WriteTextFile(test::TestPath("Text.syn"), "Tasks: none\n");
    const struct {
        QString file;
        const char* reason; // none: received
    } cases[] = {
        {test::TestPath("Empty.syn"), "it is empty"},
        {test::TestPath("Text.syn"), "it is not a data file"},
        {test::TestPath("Other.syn"), "it does not hold the synchronisation tables"},
        {DataFilePath(d.Schedule), "it does not hold the synchronisation tables"},
        {test::TestPath("Newer.syn"), "it was written by a newer version of the program"},
        {test::TestPath("Older.syn"), nullptr},
    };
    const auto bytes = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
    };
    const QString local = Tasks(true) + " / " + Todos();
    for (const auto& c : cases) {
        const QByteArray before = bytes(c.file);
        const auto beside = [&c] { return QDir(test::TestDir()).entryList({QFileInfo(c.file).fileName() + "*"}); };
        const QStringList files = beside();
        const SyncOutcome receive = SyncReceive(c.file);
        EXPECT_EQ(receive.ok, !c.reason) << c.file.toStdString() << receive.error.toStdString();
        if (c.reason) {
            EXPECT_TRUE(receive.error.startsWith(c.file + " is not a synchronisation file this program can read: "
                                                 + c.reason))
                << receive.error.toStdString();
            EXPECT_EQ(Tasks(true) + " / " + Todos(), local) << c.file.toStdString();
        }
        EXPECT_TRUE(bytes(c.file) == before) << c.file.toStdString();
        EXPECT_EQ(beside(), files) << c.file.toStdString();
    }
}

} // namespace
} // namespace vl
