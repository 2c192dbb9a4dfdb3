// The repair window's operations over its rows, without the window, on the
// program's real data files, and the repair offered at start.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/dictionary/Dictionary.h"
#include "core/repair/RepairRun.h"
#include "core/startup/BadFile.h"
#include "platform/runtime/IniFile.h"
#include "tests/platform/data/DataFileFaults.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

namespace vl {
namespace {

int RowOf(const std::vector<RepairRow>& rows, const QString& label)
{
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (rows[i].label == label)
            return i;
    }
    return -1;
}

class RepairRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DictionaryStart();
        for (int i = 0; i < 3; ++i) {
            ScheduleRecord task;
            task.Description = QStringLiteral("task %1").arg(i);
            ASSERT_TRUE(OpenTable(Tables().Schedule));
            ASSERT_TRUE(Tables().Schedule.Add(task));
            Tables().Schedule.Close();
        }
        TodoRecord todo;
        ASSERT_TRUE(OpenTable(Tables().Todo));
        ASSERT_TRUE(Tables().Todo.Add(todo));
        Tables().Todo.Close();
    }
    void TearDown() override
    {
        SetLockWait(5000);
        DictionaryEnd();
    }

    std::vector<RepairRow> rows = RepairTableRows();
};

TEST_F(RepairRunTest, RowsAreTheTablesByDescriptionAndTagsChooseWhatIsWorkedOn)
{
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_EQ(rows.front().description, "Categories");
    EXPECT_EQ(rows.back().description, "To Do List");
    for (const RepairRow& row : rows)
        EXPECT_NE(Tables().FindTable(row.label), nullptr) << row.label.toStdString();

    EXPECT_EQ(RowsToProcess(rows, 3), std::vector<int>{3}) << "nothing tagged: the highlighted row";
    EXPECT_TRUE(RowsToProcess(rows, -1).empty());
    TagAll(rows);
    EXPECT_EQ(RowsToProcess(rows, 3).size(), 14u);
    UntagAll(rows);
    ToggleTag(rows[5]);
    rows[2].tag = QStringLiteral("*"); // shows as tagged, is not processed
    RefreshTagIcons(rows);
    EXPECT_EQ(rows[2].tagIcon, 1);
    EXPECT_EQ(rows[4].tagIcon, 0);
    EXPECT_EQ(RowsToProcess(rows, 0), std::vector<int>{5});
}

TEST_F(RepairRunTest, EachOperationCountsTheTablesItWorkedOn)
{
    struct Case {
        RepairOperation operation;
        const char* answer; // to the multi-table question; null: none asked
        const char* scheduleRecords;
        const char* scheduleInformation;
    };
    const Case cases[] = {
        {RepairOperation::Info, nullptr, "3", "VLDB\\!s"},
        {RepairOperation::Build, nullptr, "3", ""},
        {RepairOperation::Pack, nullptr, "3", ""},
        {RepairOperation::Release, nullptr, "3", ""},
        {RepairOperation::Fix, "Yes", "3", "No damage found"},
        {RepairOperation::Fix, "No", "?", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.operation));
        rows = RepairTableRows();
        const int schedule = RowOf(rows, "Schedule");
        const int todo = RowOf(rows, "Todo");
        const int messageLink = RowOf(rows, "MsgLink"); // its file is missing
        for (int row : {schedule, todo, messageLink})
            ToggleTag(rows[row]);
        test::ScriptedPrompt prompt;
        if (c.answer)
            prompt.AnswerButton(c.answer); // for Schedule; To Do, in the same file, is not asked about again
        RunRepair(c.operation, rows, -1, prompt);

        EXPECT_EQ(rows[schedule].records, c.scheduleRecords);
        EXPECT_EQ(rows[schedule].information, c.scheduleInformation);
        if (c.answer) {
            ASSERT_EQ(prompt.Questions().size(), 1u);
            EXPECT_TRUE(prompt.Questions()[0].text.contains("whole file VLDB.TPS"));
        }
        EXPECT_EQ(rows[todo].records, c.scheduleRecords == std::string("?") ? "?" : "1")
            << "a repair counts every table of the file";
        EXPECT_EQ(rows[messageLink].records, "?");
        EXPECT_EQ(rows[messageLink].information,
                  c.operation == RepairOperation::Info || c.operation == RepairOperation::Fix
                      ? QStringLiteral("Error : File Not Found")
                      : QString());
        EXPECT_FALSE(QFile::exists("MsgLink.TPS")) << "a missing file is not made";
    }
}

TEST_F(RepairRunTest, AFileTheProgramHoldsIsNotRepairedAndTheUserIsTold)
{
    SetLockWait(50);
    ASSERT_TRUE(OpenTable(Tables().Categories)); // another window has the file open
    const int schedule = RowOf(rows, "Schedule");
    test::ScriptedPrompt prompt;
    prompt.AnswerButton("Yes").Answer(1);
    RunRepair(RepairOperation::Fix, rows, schedule, prompt);
    Tables().Categories.Close();
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[1].caption, "File Access Error");
    EXPECT_TRUE(prompt.Questions()[1].text.startsWith("This option requires exclusive file access.|"));
    EXPECT_TRUE(rows[schedule].information.startsWith("Error : "));
    EXPECT_FALSE(QFile::exists("VLDB.TPS.damaged"));
}

TEST_F(RepairRunTest, AtStartAnUnfinishedOpenIsRepairedWhenTheUserAgrees)
{
    const QString ini = test::TestPath("vlmr.INI");
    ASSERT_TRUE(IniFile(ini).Put(kProgramSection, kBadFileEntry, "schedule"));
    ASSERT_TRUE(test::DamagePage("VLDB.TPS", "s", true, 0));

    test::ScriptedPrompt prompt;
    prompt.AnswerButton("Yes").AnswerButton("Yes").Answer(1);
    OfferBadFileRepairAtStart(prompt, ini);
    ASSERT_EQ(prompt.Questions().size(), 3u);
    EXPECT_EQ(prompt.Questions()[0].text, "Warning : The program may have crashed attempting to open the file "
                                          "schedule. Do you wish to have the program attempt to fix the file ? ");
    EXPECT_EQ(prompt.Questions()[0].caption, "Warning");
    EXPECT_EQ(prompt.Questions()[2].caption, "Information");
    EXPECT_TRUE(prompt.Questions()[2].text.startsWith("Schedule: Repaired: ")) << prompt.Questions()[2].text.toStdString();
    EXPECT_TRUE(QFile::exists("VLDB.TPS.damaged"));
    EXPECT_EQ(ReadBadFile(ini), "");
    ASSERT_TRUE(OpenTable(Tables().Todo));
    EXPECT_EQ(Tables().Todo.Records(), 1) << "the other tables of the file are whole";
    Tables().Todo.Close();
}

} // namespace
} // namespace vl
