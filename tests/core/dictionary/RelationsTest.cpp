// Referential integrity of the program's tables, on real data files in the
// test's directory.

#include <gtest/gtest.h>

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/TableDefinitions.h"
#include "tests/platform/data/DataFileFaults.h"
#include "tests/support/ScriptedPrompt.h"

#include <optional>

#include <SQLiteCpp/Database.h>

namespace vl {
namespace {

class RelationsTest : public ::testing::Test {
protected:
    void TearDown() override { DictionaryEnd(); }

    Dictionary& d = (DictionaryStart(), Tables());

    int32_t AddTask(const QString& description, const QString& category = QString(),
                    const QString& type = QStringLiteral("Run Program"))
    {
        EXPECT_TRUE(OpenTable(d.Schedule));
        ScheduleRecord task;
        d.Schedule.Prime(task);
        task.Description = description;
        task.Category = category;
        task.TaskType = type;
        EXPECT_TRUE(d.Schedule.Add(task)) << qPrintable(d.Schedule.Error());
        d.Schedule.Close();
        return task.ID;
    }

    void AddItems(int32_t taskId, int count)
    {
        EXPECT_TRUE(OpenTable(d.Scripting));
        for (int i = 0; i < count; ++i) {
            ScriptingRecord item;
            d.Scripting.Prime(item);
            item.ID = taskId;
            item.Action = QStringLiteral("Wait");
            EXPECT_TRUE(d.Scripting.Add(item)) << qPrintable(d.Scripting.Error());
        }
        d.Scripting.Close();
    }

    int CountItems(int32_t taskId)
    {
        EXPECT_TRUE(OpenTable(d.Scripting));
        ScriptingRecord item;
        item.ID = taskId;
        item.Sequence = 0;
        int count = 0;
        d.Scripting.Set(SCR_KEYID, item);
        while (d.Scripting.Next(item) && item.ID == taskId)
            ++count;
        d.Scripting.Close();
        return count;
    }

    bool TaskExists(int32_t id)
    {
        EXPECT_TRUE(OpenTable(d.Schedule));
        ScheduleRecord task;
        task.ID = id;
        const bool found = d.Schedule.Get(SCH_KEYID, task);
        d.Schedule.Close();
        return found;
    }

    ScheduleRecord ReadTask(int32_t id)
    {
        EXPECT_TRUE(OpenTable(d.Schedule));
        ScheduleRecord task;
        task.ID = id;
        EXPECT_TRUE(d.Schedule.Get(SCH_KEYID, task));
        d.Schedule.Close();
        return task;
    }

    CategoriesRecord AddCategory(const QString& name)
    {
        EXPECT_TRUE(OpenTable(d.Categories));
        CategoriesRecord category;
        category.Category = name;
        EXPECT_TRUE(d.Categories.Add(category)) << qPrintable(d.Categories.Error());
        return category; // the table stays open for the test's own operations
    }
};

TEST_F(RelationsTest, DeletingATaskDeletesOnlyItsScriptItems)
{
    const int32_t first = AddTask(QStringLiteral("Backup"));
    const int32_t second = AddTask(QStringLiteral("Mail"));
    AddItems(first, 3);
    AddItems(second, 2);

    ASSERT_TRUE(OpenTable(d.Schedule));
    ScheduleRecord task = ReadTask(first);
    EXPECT_TRUE(d.Relations.Delete(d.Schedule, task)) << qPrintable(d.Relations.LastError().Describe());
    d.Schedule.Close();

    EXPECT_FALSE(TaskExists(first));
    EXPECT_EQ(CountItems(first), 0);
    EXPECT_EQ(CountItems(second), 2);
}

// A delete and its cascade are one change: when another program holds the
// file, the commit fails or a child refuses to go, nothing of it is done and
// the failure is the error; the next try goes through.
TEST_F(RelationsTest, ACascadeThatCannotBeStoredLeavesEverythingAsItWas)
{
    enum class Fault { Locked, CommitFails, ChildRefuses };
    const int savedWait = LockWait();
    SetLockWait(100);
    for (const auto& [fault, code] : {std::pair{Fault::Locked, kIsLocked}, {Fault::CommitFails, kFileSystemError},
                                      {Fault::ChildRefuses, kFileSystemError}}) {
        const int32_t id = AddTask(QStringLiteral("Doomed"));
        AddItems(id, 3);
        ASSERT_TRUE(OpenTable(d.Schedule));
        const ScheduleRecord task = ReadTask(id);
        SQLite::Database other("VLDB.TPS", SQLite::OPEN_READWRITE);
        {
            std::optional<test::OtherProgramLock> lock;
            std::optional<test::CommitWatch> watch;
            if (fault == Fault::Locked) {
                lock.emplace(DataFilePath(d.Schedule));
                ASSERT_TRUE(lock->Held());
            } else if (fault == Fault::CommitFails) {
                watch.emplace(d.Schedule);
                watch->failing = true;
            } else {
                other.exec("CREATE TRIGGER keep BEFORE DELETE ON \"Script\" BEGIN SELECT RAISE(ABORT, 'kept'); END");
            }
            EXPECT_FALSE(d.Relations.Delete(d.Schedule, task));
            EXPECT_EQ(d.Relations.LastError().code, code);
        }
        other.exec("DROP TRIGGER IF EXISTS keep");
        EXPECT_TRUE(TaskExists(id));
        EXPECT_EQ(CountItems(id), 3);
        EXPECT_TRUE(d.Relations.Delete(d.Schedule, task)) << qPrintable(d.Relations.LastError().Describe());
        EXPECT_FALSE(TaskExists(id));
        EXPECT_EQ(CountItems(id), 0);
        d.Schedule.Close();
    }
    SetLockWait(savedWait);
}

TEST_F(RelationsTest, CategoryInUseByATaskCannotBeDeletedNorRenamed)
{
    CategoriesRecord category = AddCategory(QStringLiteral("Work"));
    AddTask(QStringLiteral("Report"), QStringLiteral("work")); // the link ignores case

    {
        test::ScriptedPrompt prompt;
        prompt.Answer(1);
        EXPECT_FALSE(d.Relations.Delete(d.Categories, category));
        EXPECT_EQ(d.Relations.LastError().code, 0);
        ASSERT_EQ(prompt.Questions().size(), 1u);
        EXPECT_EQ(prompt.Questions()[0].caption, "Referential Integrity Delete Error");
        EXPECT_EQ(prompt.Questions()[0].text,
                  "This record is referenced from the file Schedule. This record cannot be deleted while "
                  "these references exist.");
    }
    EXPECT_EQ(d.Categories.Records(), 1);

    {
        test::ScriptedPrompt prompt;
        prompt.Answer(1);
        const CategoriesRecord before = category;
        category.Category = QStringLiteral("Office");
        EXPECT_FALSE(d.Relations.Update(d.Categories, category, before));
        ASSERT_EQ(prompt.Questions().size(), 1u);
        EXPECT_EQ(prompt.Questions()[0].caption, "Referential Integrity Update Error");
        EXPECT_EQ(category.Category, "Work"); // the linking field is reset
    }
    CategoriesRecord stored;
    stored.Category = QStringLiteral("WORK");
    ASSERT_TRUE(d.Categories.Get(CAT_KEYCATEGORY, stored));
    EXPECT_EQ(stored.Category, "Work");
}

TEST_F(RelationsTest, CategoryUsedOnlyByToDoItemsOrNothingIsDeleted)
{
    CategoriesRecord home = AddCategory(QStringLiteral("Home"));
    CategoriesRecord spare = AddCategory(QStringLiteral("Spare"));
    AddTask(QStringLiteral("Other"), QStringLiteral("Work"));
    ASSERT_TRUE(OpenTable(d.Todo));
    TodoRecord item;
    item.Priority = 3;
    item.Category = QStringLiteral("Home");
    item.ToDo = QStringLiteral("Paint the fence");
    ASSERT_TRUE(d.Todo.Add(item));

    test::ScriptedPrompt prompt; // no question may be asked
    EXPECT_TRUE(d.Relations.Delete(d.Categories, home));
    EXPECT_TRUE(d.Relations.Delete(d.Categories, spare));
    EXPECT_EQ(d.Categories.Records(), 0);
    EXPECT_EQ(d.Todo.Records(), 1);
    d.Todo.Close();
}

TEST_F(RelationsTest, RenamingAClipboardCategoryRenamesEveryEntryAndDeletingItIsRefused)
{
    ASSERT_TRUE(OpenTable(d.ClipboardCategories));
    ASSERT_TRUE(OpenTable(d.Clipboard));
    ClipboardCategoriesRecord notes;
    notes.CATEGORY = QStringLiteral("Notes");
    ASSERT_TRUE(d.ClipboardCategories.Add(notes));
    ClipboardCategoriesRecord other;
    other.CATEGORY = QStringLiteral("Other");
    ASSERT_TRUE(d.ClipboardCategories.Add(other));
    const char* entries[][2] = {{"Notes", "h1"}, {"NOTES", "h2"}, {"Notes", "h3"}, {"Other", "h4"}};
    for (const auto& entry : entries) {
        ClipboardRecord clip;
        clip.Category = QLatin1String(entry[0]);
        clip.ClipHashKey = QLatin1String(entry[1]);
        ASSERT_TRUE(d.Clipboard.Add(clip));
    }

    const ClipboardCategoriesRecord before = notes;
    notes.CATEGORY = QStringLiteral("Memos");
    {
        test::ScriptedPrompt prompt;
        ASSERT_TRUE(d.Relations.Update(d.ClipboardCategories, notes, before))
            << qPrintable(d.Relations.LastError().Describe());
    }
    QStringList categories;
    ClipboardRecord clip;
    d.Clipboard.Set(CLI_KEYCLIPHASH);
    while (d.Clipboard.Next(clip))
        categories << clip.Category;
    EXPECT_EQ(categories, QStringList({"Memos", "Memos", "Memos", "Other"}));

    test::ScriptedPrompt prompt;
    prompt.Answer(1);
    EXPECT_FALSE(d.Relations.Delete(d.ClipboardCategories, notes));
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].text,
              "This record is referenced from the file Clipboard Saver. This record cannot be deleted while "
              "these references exist.");
    EXPECT_EQ(d.ClipboardCategories.Records(), 2);
    d.Clipboard.Close();
    d.ClipboardCategories.Close();
}

TEST_F(RelationsTest, RenameToATakenNameLeavesTheChildrenAlone)
{
    ASSERT_TRUE(OpenTable(d.ClipboardCategories));
    ASSERT_TRUE(OpenTable(d.Clipboard));
    ClipboardCategoriesRecord a;
    a.CATEGORY = QStringLiteral("A");
    ClipboardCategoriesRecord b;
    b.CATEGORY = QStringLiteral("B");
    ASSERT_TRUE(d.ClipboardCategories.Add(a));
    ASSERT_TRUE(d.ClipboardCategories.Add(b));
    ClipboardRecord clip;
    clip.Category = QStringLiteral("A");
    clip.ClipHashKey = QStringLiteral("x");
    ASSERT_TRUE(d.Clipboard.Add(clip));

    const ClipboardCategoriesRecord before = a;
    a.CATEGORY = QStringLiteral("b");
    EXPECT_FALSE(d.Relations.Update(d.ClipboardCategories, a, before));
    EXPECT_EQ(d.Relations.LastError().code, kDuplicateKey);
    ASSERT_TRUE(d.Clipboard.Get(CLI_KEYCLIPHASH, clip));
    EXPECT_EQ(clip.Category, "A");
    d.Clipboard.Close();
    d.ClipboardCategories.Close();
}

TEST_F(RelationsTest, DeletingAHotKeyDeletesItsTaskAndItsItemsOnly)
{
    const int32_t hotTask = AddTask(QStringLiteral("Hot"), QString(), QLatin1String(kHotKeyTaskType));
    const int32_t plainTask = AddTask(QStringLiteral("Plain"));
    AddItems(hotTask, 2);
    AddItems(plainTask, 2);

    ASSERT_TRUE(OpenTable(d.SysHotKeys));
    SysHotKeysRecord taskKey;
    d.SysHotKeys.Prime(taskKey);
    taskKey.HotKey = QStringLiteral("Ctrl-F5");
    taskKey.Action = QStringLiteral("Task");
    taskKey.ID = hotTask;
    ASSERT_TRUE(d.SysHotKeys.Add(taskKey));
    // A hot key whose link happens to name a task of another type (an old
    // file's text hot key) does not take that task with it.
    SysHotKeysRecord strayKey;
    d.SysHotKeys.Prime(strayKey);
    strayKey.HotKey = QStringLiteral("Ctrl-F6");
    strayKey.ID = plainTask;
    ASSERT_TRUE(d.SysHotKeys.Add(strayKey));

    EXPECT_TRUE(d.Relations.Delete(d.SysHotKeys, taskKey)) << qPrintable(d.Relations.LastError().Describe());
    EXPECT_TRUE(d.Relations.Delete(d.SysHotKeys, strayKey)) << qPrintable(d.Relations.LastError().Describe());
    EXPECT_EQ(d.SysHotKeys.Records(), 0);
    EXPECT_FALSE(TaskExists(hotTask));
    EXPECT_EQ(CountItems(hotTask), 0);
    EXPECT_TRUE(TaskExists(plainTask));
    EXPECT_EQ(CountItems(plainTask), 2);
    d.SysHotKeys.Close();
}

TEST_F(RelationsTest, NewHotKeysAreLinkedToNoTaskAndToDistinctIds)
{
    const int32_t task = AddTask(QStringLiteral("Unrelated"), QString(), QLatin1String(kHotKeyTaskType));
    ASSERT_TRUE(OpenTable(d.SysHotKeys));
    SysHotKeysRecord first;
    d.SysHotKeys.Prime(first);
    EXPECT_EQ(first.HotKey, "CtrlShift");
    EXPECT_EQ(first.ACTIVE, 1);
    EXPECT_EQ(first.Action, "Text");
    EXPECT_EQ(first.TEXTTYPE, "Type");
    EXPECT_LT(first.ID, 0);
    first.HotKey = QStringLiteral("Ctrl-A");
    ASSERT_TRUE(d.SysHotKeys.Add(first));
    SysHotKeysRecord second;
    d.SysHotKeys.Prime(second);
    second.HotKey = QStringLiteral("Ctrl-B");
    ASSERT_TRUE(d.SysHotKeys.Add(second)) << qPrintable(d.SysHotKeys.Error());
    EXPECT_NE(first.ID, second.ID);

    EXPECT_TRUE(d.Relations.Delete(d.SysHotKeys, first));
    EXPECT_TRUE(d.Relations.Delete(d.SysHotKeys, second));
    EXPECT_TRUE(TaskExists(task));
    d.SysHotKeys.Close();
}

TEST_F(RelationsTest, DeletingATemplateDeletesItsItemsAndAStoredMessageInUseIsKept)
{
    ASSERT_TRUE(OpenTable(d.ScriptTemplates));
    ASSERT_TRUE(OpenTable(d.ScriptTemplateDetails));
    ScriptTemplatesRecord tpl;
    tpl.DESCRIPTION = QStringLiteral("Login");
    ASSERT_TRUE(d.ScriptTemplates.Add(tpl));
    for (int i = 0; i < 3; ++i) {
        ScriptTemplateDetailsRecord item;
        item.WIZ_ID = tpl.WIZ_ID;
        ASSERT_TRUE(d.ScriptTemplateDetails.Add(item));
    }
    EXPECT_TRUE(d.Relations.Delete(d.ScriptTemplates, tpl));
    EXPECT_EQ(d.ScriptTemplateDetails.Records(), 0);

    ASSERT_TRUE(OpenTable(d.Messages));
    MessagesRecord message;
    d.Messages.Prime(message);
    EXPECT_EQ(message.MAILTYPE, "Email");
    ASSERT_TRUE(d.Messages.Add(message));
    const int32_t task = AddTask(QStringLiteral("Send"));
    ASSERT_TRUE(OpenTable(d.Scripting));
    ScriptingRecord step;
    step.ID = task;
    step.EmailID = message.EmailID;
    ASSERT_TRUE(d.Scripting.Add(step));
    test::ScriptedPrompt prompt;
    prompt.Answer(1);
    EXPECT_FALSE(d.Relations.Delete(d.Messages, message));
    EXPECT_EQ(prompt.Questions().at(0).text,
              "This record is referenced from the file Scripting. This record cannot be deleted while these "
              "references exist.");
    EXPECT_EQ(d.Messages.Records(), 1);
    d.Scripting.Close();
    d.Messages.Close();
    d.ScriptTemplateDetails.Close();
    d.ScriptTemplates.Close();
}

} // namespace
} // namespace vl
