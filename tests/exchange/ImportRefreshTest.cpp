// An import of tasks tells the open task lists to refresh; an import that
// fails, or of other records, does not.

#include "core/dictionary/Dictionary.h"
#include "exchange/ExchangeProcedures.h"
#include "platform/ui/EventNumbers.h"
#include "platform/ui/ThreadPost.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

class RecordingPost : public ThreadPost {
public:
    bool Post(int, int) const override { return false; }
    int Broadcast(ThreadGroup group, int eventNumber) const override
    {
        if (group == ThreadGroup::TaskLists && eventNumber == EventNumber::kRefreshTaskList)
            ++refreshes;
        return 0;
    }
    mutable int refreshes = 0;
};

TEST(ImportRefreshTest, ImportedTasksRefreshTheOpenTaskLists)
{
    DictionaryStart();
    Dictionary& d = Tables();
    ASSERT_TRUE(OpenTable(d.Schedule) && OpenTable(d.Todo));
    test::ScriptedPrompt prompt;
    RecordingPost post;
    ThreadPostOverride usePost(post);
    const struct {
        ExchangeTable table;
        const char* text;
        int refreshes;
        bool fails;
    } cases[] = {
        {ExchangeTable::Schedule, "\"SCH:Description\",\"SCH:TaskType\"\n\"Imported\",\"Display Message\"\n", 1, false},
        {ExchangeTable::Schedule, "\"SCH:Description\",\"SCH:Every\"\n\"Broken\",\"many\"\n", 0, true},
        {ExchangeTable::Todo, "\"TDO:ToDo\",\"TDO:Priority\"\n\"Milk\",1\n", 0, false},
    };
    for (const auto& c : cases) {
        post.refreshes = 0;
        const QString path = test::WriteTextFile(test::TestPath("in.csv"), QString::fromUtf8(c.text));
        prompt.AnswerPath(path);
        if (c.fails)
            prompt.Answer(1);
        if (std::optional<ImexReader> file = ChooseImportFile()) {
            ImportMapping mapping(ExchangeInfo(c.table), std::move(*file));
            mapping.Auto();
            RunImport(mapping, true);
        }
        EXPECT_EQ(post.refreshes, c.refreshes) << c.text;
    }
    EXPECT_EQ(d.Schedule.Records(), 1);
    DictionaryEnd();
}

} // namespace
} // namespace vl
