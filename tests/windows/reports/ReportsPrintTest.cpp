// The printed reports on real tables: written to PDF and read back, the
// brief and checklist schedules carry their headings, statuses, day pages
// and dates in the user's picture; a report with future occurrences prints
// each occurrence from a work file that is gone afterwards; an empty
// selection says so instead of printing an empty page; the progress windows
// show their texts and stop the work on Cancel; the criteria window enables
// the range and category controls by its options.

#include "core/base/Globals.h"
#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "platform/print/ReportOutput.h"
#include "platform/widgets/PictureSpinBox.h"
#include "platform/widgets/ProcessProgressWindow.h"
#include "windows/reports/ReportDestination.h"
#include "windows/reports/ReportLayouts.h"
#include "windows/reports/ReportParameters.h"
#include "windows/reports/ReportProcedures.h"
#include "tests/support/PdfText.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace vl {
namespace {

class KeptReports : public ReportDestination {
public:
    void Preview(const Report& report, const QString& key, QWidget*) override { kept.append({report, key}); }
    void Print(const Report& report, QWidget*) override { kept.append({report, QStringLiteral("printer")}); }
    QList<std::pair<Report, QString>> kept;
};

ScheduleRecord Task(const char* description, Date date, uint8_t disabled = 0, uint8_t completed = 0)
{
    ScheduleRecord task;
    task.Description = QLatin1String(description);
    task.Category = QStringLiteral("Work");
    task.ScheduleType = QStringLiteral("Once");
    task.Date = date;
    task.Time = MakeClock(14, 30);
    task.Disabled = disabled;
    task.Completed = completed;
    return task;
}

// Accepts the modal window (the criteria or the title) once it is shown.
void AcceptNextModal()
{
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
}

class ReportsPrintTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenTable(d.Configuration)); }
    void TearDown() override
    {
        GlobalDateFormat = QStringLiteral("d3");
        ReportIncludeFutureOccurances = 0;
        ReportCriteriaChoice = {};
        DictionaryEnd();
    }

    // The pages as read back, with the text reader's ligatures spelt out.
    QStringList Pages(const Report& report)
    {
        const QString path = test::TestPath(QStringLiteral("report.pdf"));
        EXPECT_TRUE(WriteReportPdf(report, path));
        QStringList pages = test::PdfPages(path);
        for (QString& page : pages)
            page.replace(QChar(0xFB00), QLatin1String("ff"));
        return pages;
    }

    void AddCategories()
    {
        ASSERT_TRUE(OpenTable(d.Categories));
        for (const char* name : {"Work", "Home"}) {
            CategoriesRecord category;
            category.Category = name;
            ASSERT_TRUE(d.Categories.Add(category));
        }
    }

    Dictionary& d = (DictionaryStart(), Tables());
    KeptReports kept;
    ReportDestinationOverride useKept{kept};
    test::ScriptedPrompt prompt;
};

TEST_F(ReportsPrintTest, BriefAndChecklistPrintHeadingsStatusDaysAndUserDates)
{
    const Date monday = MakeDate(1, 5, 2026);
    const std::vector<ScheduleRecord> tasks{Task("Plain", monday), Task("Paused", monday, 1),
                                            Task("Finished", monday + 1, 1, 1)};
    for (const char* format : {"d1", "d17"}) {
        GlobalDateFormat = QLatin1String(format);
        const QString page = Pages(BriefScheduleReport("Schedule in Brief", tasks)).value(0);
        EXPECT_TRUE(page.contains(QRegularExpression("Schedule in Brief\\s*\\n\\s*Date +Time +Category +Description +Done")));
        EXPECT_TRUE(page.contains(QRegularExpression(QRegularExpression::escape(FormatUserDate(monday).trimmed()) +
                                                     " +2:30PM +Work +Plain *\\n")))
            << page.toStdString();
        EXPECT_TRUE(page.contains(QRegularExpression("Paused +Off")));
        EXPECT_TRUE(page.contains(QRegularExpression("Finished +Done")));
        EXPECT_TRUE(page.contains("Page 1"));
    }
    const QStringList days = Pages(ChecklistScheduleReport("Schedule", tasks));
    ASSERT_EQ(days.size(), 2) << "a page per task date";
    EXPECT_TRUE(days[0].contains("Monday January 5, 2026"));
    EXPECT_TRUE(days[0].contains(QRegularExpression("Off +14:30 +Work +Paused +_+ +_+ +_+")));
    EXPECT_TRUE(days[1].contains("Tuesday January 6, 2026"));
    EXPECT_TRUE(days[1].contains("Page 2"));
}

TEST_F(ReportsPrintTest, FutureOccurrencesPrintFromAWorkFileThatIsRemoved)
{
    AddCategories();
    ASSERT_TRUE(OpenTable(d.Schedule));
    const Date from = MakeDate(2, 2, 2026);
    ScheduleRecord daily = Task("Daily", from);
    daily.ScheduleType = "Custom";
    daily.EveryType = "day(s)";
    daily.Every = 1;
    ScheduleRecord other = Task("Elsewhere", from);
    other.Category = "Home";
    ASSERT_TRUE(d.Schedule.Add(daily));
    ASSERT_TRUE(d.Schedule.Add(other));
    const QStringList before = QDir(test::TestDir()).entryList({"*.TPS*"}, QDir::Files);
    ReportCriteriaChoice = {"Selected", from, from + 9, "Selected", "Work", "Date"};
    ReportIncludeFutureOccurances = 1;
    prompt.AnswerButton("Yes");
    AcceptNextModal();
    PrintScheduleInBrief(nullptr);
    ASSERT_EQ(kept.kept.size(), 1);
    const Report& report = kept.kept[0].first;
    EXPECT_EQ(kept.kept[0].second, "PrintScheduleInBrief");
    EXPECT_EQ(report.definition.title, "Complete Schedule in Brief");
    ASSERT_EQ(report.rows.size(), 10) << "one line a day, the other category left out";
    EXPECT_EQ(report.rows.last().cells[0], FormatUserDate(from + 9).trimmed());
    EXPECT_EQ(QDir(test::TestDir()).entryList({"*.TPS*"}, QDir::Files), before) << "no work file left";
}

TEST_F(ReportsPrintTest, EmptySelectionSaysNothingToPrintAndCancelEndsAtOnce)
{
    prompt.AnswerButton("Yes").Answer(1);
    AcceptNextModal();
    PrintTodoByPriority(nullptr);
    prompt.AnswerButton("No").Answer(1);
    AcceptNextModal();
    PrintTodoByPriority(nullptr);
    prompt.AnswerButton("Cancel");
    PrintContacts(nullptr);
    EXPECT_TRUE(kept.kept.isEmpty());
    ASSERT_EQ(prompt.Questions().size(), 5u);
    EXPECT_EQ(prompt.Questions()[0].text, "Do you wish to PREVIEW this Report?");
    EXPECT_EQ(prompt.Questions()[1].text, "Nothing to Preview.");
    EXPECT_EQ(prompt.Questions()[3].text, "Nothing to Print.");
    EXPECT_EQ(prompt.Questions()[3].caption, "NOTE...");
}

// The progress windows shown while a report runs: each caption with its
// lines of text, as seen whenever the run shows a new percentage (timers
// wait while the work runs).
class ProgressWatch : public QObject {
public:
    ProgressWatch() { qApp->installEventFilter(this); }
    ~ProgressWatch() override { qApp->removeEventFilter(this); }
    QStringList shown;
    QString cancelIn; // the caption of a window whose Cancel is pressed

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* progress = qobject_cast<ProcessProgressWindow*>(object);
        if (event->type() != QEvent::Show || !progress)
            return false;
        disconnect(progress, &ProcessProgressWindow::Told, this, nullptr);
        connect(progress, &ProcessProgressWindow::Told, this, [this, progress] {
            QStringList seen{progress->windowTitle()};
            for (const QLabel* label : progress->findChildren<QLabel*>())
                seen << label->text();
            if (!shown.contains(seen.join('|')))
                shown << seen.join('|');
            if (progress->windowTitle() == cancelIn)
                progress->CancelButton()->click();
        });
        return false;
    }
};

TEST_F(ReportsPrintTest, ProgressWindowsShowTheirTextsAndCancelStopsTheWork)
{
    ProcessProgressWindow window({"Processing Records", "Removing old work file...", "EmptyWorkfile"});
    window.show();
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_EQ(texts, QStringList({"Removing old work file...", "0% Completed"}));
    window.Tell(25, 100);
    EXPECT_EQ(window.findChildren<QLabel*>().last()->text(), "25% Completed");
    EXPECT_EQ(window.CancelButton()->text(), "Cancel");
    window.CancelButton()->click();
    EXPECT_TRUE(window.CancelRequested());

    AddCategories();
    ASSERT_TRUE(OpenTable(d.Schedule));
    const Date from = MakeDate(2, 2, 2026);
    ScheduleRecord daily = Task("Daily", from);
    daily.ScheduleType = "Custom";
    daily.EveryType = "day(s)";
    daily.Every = 1;
    ASSERT_TRUE(d.Schedule.Add(daily));
    ProgressWatch watch;
    ReportCriteriaChoice = {"Selected", from, from + 9, "All", "", "Date"};
    ReportIncludeFutureOccurances = 1;
    prompt.AnswerButton("Yes");
    AcceptNextModal();
    PrintScheduleInBrief(nullptr);
    Print_SCH_AllDateOrder(nullptr);
    EXPECT_EQ(kept.kept.size(), 2);
    for (const char* seen : {"Processing Records|Removing old work file...|100% Completed",
                             "Processing Records|Creating future occurrence information|100% Completed",
                             "Report Progress...||100% Completed"})
        EXPECT_TRUE(watch.shown.contains(seen)) << seen << "\n" << watch.shown.join('\n').toStdString();

    // Cancel while the work file fills: nothing is printed.
    watch.cancelIn = "Processing Records";
    AcceptNextModal();
    PrintScheduleInBrief(nullptr);
    EXPECT_EQ(kept.kept.size(), 2);
}

TEST_F(ReportsPrintTest, CriteriaWindowEnablesByItsOptionsAndCancelBlanksTheOrder)
{
    AddCategories();
    ReportParameters window;
    EXPECT_TRUE(window.DateRadio("All")->isChecked());
    EXPECT_TRUE(window.OrderRadio("Date")->isChecked());
    EXPECT_EQ(window.ToBox()->Value() - window.FromBox()->Value(), 30);
    EXPECT_EQ(window.CategoryList()->count(), 2);
    EXPECT_FALSE(window.FromBox()->isEnabled());
    EXPECT_FALSE(window.FutureBox()->isEnabled());
    EXPECT_FALSE(window.CategoryList()->isEnabled());
    // The box stands with the range it needs; the list beside its choice.
    auto* range = qobject_cast<QGroupBox*>(window.FutureBox()->parentWidget());
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->title(), "Date Range");
    EXPECT_EQ(window.CategoryList()->parentWidget(), window.CategoryRadio("Selected")->parentWidget());
    for (const QLabel* label : window.findChildren<QLabel*>())
        EXPECT_NE(label->text(), "-");
    window.DateRadio("Selected")->click();
    window.CategoryRadio("Selected")->click();
    EXPECT_TRUE(window.FromBox()->isEnabled());
    EXPECT_TRUE(window.FutureBox()->isEnabled());
    EXPECT_TRUE(window.CategoryList()->isEnabled());
    GlobalOrder = "Sch:KeyDate";
    window.reject();
    EXPECT_TRUE(GlobalOrder.isEmpty());
    EXPECT_EQ(ReportCriteriaChoice.dateSelect, "Selected");
}

} // namespace
} // namespace vl
