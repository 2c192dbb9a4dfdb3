// Printed scripts on real tables: the items of a task (or a template), read
// in their order, become a report that the viewer gets; written to a PDF file
// and read back, every page carries the header and its number, every item
// its action and description in order, and no FTP password shows.

#include "core/dictionary/Dictionary.h"
#include "platform/print/ReportOutput.h"
#include "platform/runtime/Clock.h"
#include "windows/scripting/PrintScript.h"
#include "windows/scripting/ScriptReport.h"
#include "tests/support/PdfText.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "tests/scripting/items/ScriptItemSamples.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace vl {
namespace {

// Keeps what the program would show in the preview.
class KeptReports : public ReportViewer {
public:
    void Show(const Report& report, const QString& windowKey, QWidget*) override
    {
        reports.append(report);
        keys.append(windowKey);
    }
    QList<Report> reports;
    QStringList keys;
};

class PrintScriptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Scripting));
        ASSERT_TRUE(OpenTable(d.ScriptTemplateDetails));
        task.ID = 7;
        task.Description = "Nightly backup";
    }
    void TearDown() override { DictionaryEnd(); }

    void Store(int32_t taskId, std::vector<ScriptingRecord> items)
    {
        for (size_t i = 0; i < items.size(); ++i) {
            items[i].ID = taskId;
            items[i].Sequence = int32_t(i + 1);
            ASSERT_TRUE(d.Scripting.Add(items[i]));
        }
    }

    // The pages of the report the viewer was given, as a PDF reads back.
    QStringList PrintedPages(int report = 0)
    {
        const QString path = test::TestPath(QStringLiteral("script%1.pdf").arg(report));
        EXPECT_TRUE(WriteReportPdf(viewer.reports.value(report), path));
        return test::PdfPages(path);
    }

    Dictionary& d = (DictionaryStart(), Tables());
    SettableClock clock{MakeDate(3, 2, 2026), MakeClock(9, 0)};
    ClockOverride useClock{clock};
    KeptReports viewer;
    ReportViewerOverride useViewer{viewer};
    test::ScriptedPrompt prompt;
    ScheduleRecord task;
};

TEST_F(PrintScriptTest, EveryActionPrintsItsDescriptionInOrder)
{
    const std::vector<test::DescribedItem> sample = test::EveryActionSample();
    std::vector<ScriptingRecord> items;
    for (const auto& described : sample)
        items.push_back(described.item);
    Store(task.ID, items);
    Store(8, {items.front()});
    PrintCurrentScript(task);
    ASSERT_EQ(viewer.reports.size(), 1);
    EXPECT_EQ(viewer.keys, QStringList{"PrintCurrentScript"});
    EXPECT_EQ(viewer.reports[0].rows.size(), qsizetype(items.size())) << "only the task's own items";

    const QStringList pages = PrintedPages();
    ASSERT_EQ(pages.size(), 1);
    const QString& page = pages[0];
    EXPECT_TRUE(page.contains(QRegularExpression("^\\s*Script\\s*\\n\\s*Nightly backup\\s*\\n")));
    EXPECT_TRUE(page.contains(QRegularExpression("Page 1 of 1\\s*$")));
    EXPECT_FALSE(page.contains(test::kSamplePassword));
    qsizetype at = 0;
    for (const auto& [item, description] : sample) {
        // The words of the action and the description, as the text reader
        // spaces them.
        QStringList words = (item.Action + u' ' + description.left(80)).split(u' ', Qt::SkipEmptyParts);
        for (QString& word : words)
            word = QRegularExpression::escape(word);
        const QRegularExpressionMatch match = QRegularExpression(words.join(" +") + " *\\n").match(page, at);
        ASSERT_TRUE(match.hasMatch()) << words.join(' ').toStdString();
        at = match.capturedEnd();
    }
}

TEST_F(PrintScriptTest, LongScriptFillsNumberedPagesWithTheHeaderOnEach)
{
    std::vector<ScriptingRecord> items(200);
    for (size_t i = 0; i < items.size(); ++i) {
        items[i].Action = "Send Keys";
        items[i].Keystrokes = QStringLiteral("line %1 end").arg(i + 1);
    }
    Store(task.ID, items);
    PrintCurrentScript(task);
    const QStringList pages = PrintedPages();
    ASSERT_GE(pages.size(), 3);
    const QRegularExpression line("Send Keys +line (\\d+) end");
    int expected = 1;
    int perPage = 0;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(pages[p].contains(QRegularExpression("^\\s*Script\\s*\\n\\s*Nightly backup"))) << p;
        EXPECT_TRUE(pages[p].contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size()))) << p;
        int onPage = 0;
        for (auto it = line.globalMatch(pages[p]); it.hasNext(); ++onPage)
            EXPECT_EQ(it.next().captured(1).toInt(), expected++);
        if (p == 0) {
            perPage = onPage;
        } else if (p + 1 < pages.size()) {
            EXPECT_EQ(onPage, perPage) << "every page but the last is full";
        }
    }
    EXPECT_EQ(expected, 201);
    EXPECT_EQ(pages.size(), (200 + perPage - 1) / perPage);
}

TEST_F(PrintScriptTest, TemplateScriptHasColumnHeadingsAndEmptyScriptNoLines)
{
    for (const char* keys : {"one", "two"}) {
        ScriptTemplateDetailsRecord item;
        item.WIZ_ID = 3;
        item.Action = "Send Keys";
        item.Keystrokes = keys;
        ASSERT_TRUE(d.ScriptTemplateDetails.Add(item));
    }
    ScriptTemplatesRecord scriptTemplate;
    scriptTemplate.WIZ_ID = 3;
    PrintCurrentScriptTemplateDetails(scriptTemplate);
    PrintCurrentScript(task);
    ASSERT_EQ(viewer.reports.size(), 2);
    EXPECT_EQ(viewer.keys, (QStringList{"PrintCurrentScriptTemplateDetails", "PrintCurrentScript"}));

    const QString templatePage = PrintedPages(0).value(0);
    EXPECT_TRUE(templatePage.contains(QRegularExpression("Action +Details\\s*\\n[\\s\\S]*Send Keys +one\\s*\\n\\s*Send Keys +two")));
    const QStringList empty = PrintedPages(1);
    ASSERT_EQ(empty.size(), 1);
    EXPECT_FALSE(empty[0].contains("Send Keys"));
    EXPECT_TRUE(empty[0].contains("Page 1 of 1"));
}

TEST_F(PrintScriptTest, CancelledProgressGivesNoReport)
{
    const std::vector<ScriptingRecord> items(5);
    EXPECT_FALSE(TaskScriptReport(task, items, [](int done, int) { return done < 3; }));
    EXPECT_TRUE(TaskScriptReport(task, items, [](int, int) { return true; }));
}

} // namespace
} // namespace vl
