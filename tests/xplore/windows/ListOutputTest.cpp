// The "&Output" items of a list with Xplore: the printed list read back from
// a PDF file, and the exported files read back as a spreadsheet and a
// browser would read them.
#include "tests/xplore/windows/TestList.h"

#include "platform/print/ReportOutput.h"
#include "platform/process/ShellOpen.h"
#include "platform/runtime/DelimitedText.h"
#include "tests/support/PdfText.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "xplore/XploreCommands.h"
#include "xplore/output/ListOutputProcedures.h"
#include "xplore/output/ListPrint.h"
#include "xplore/windows/XploreProcedures.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QRegularExpression>

namespace vl::test {
namespace {

// The output items work while it lives.
struct RegisteredOutput {
    RegisteredOutput() { RegisterListOutputProcedures(); }
    ~RegisteredOutput()
    {
        for (const char* name : {XploreProcedure::kPrintList, XploreProcedure::kExportAscii, XploreProcedure::kExportHtml})
            XploreWindowProcedures().Unregister(name);
    }
};

// Prints to a PDF file and keeps its text.
class PdfOutput : public ListPrintOutput {
public:
    void Preview(const Report& report, const QString& windowKey, QWidget*) override
    {
        how = "preview " + windowKey;
        Write(report);
    }
    bool Print(const Report& report, QWidget*) override
    {
        how = "print";
        Write(report);
        return true;
    }
    QString how;
    QString text;
    QList<ReportColumn> columns;

private:
    void Write(const Report& report)
    {
        columns = report.definition.columns;
        ASSERT_TRUE(WriteReportPdf(report, TestPath("list.pdf")));
        text = PdfPages(TestPath("list.pdf")).join("\f");
    }
};

// Each text's place in the text, -1 for one it lacks.
std::vector<qsizetype> Places(const QString& text, const QStringList& texts)
{
    std::vector<qsizetype> places;
    for (const QString& t : texts)
        places.push_back(text.indexOf(t));
    return places;
}

TEST(ListOutput, PrintAllPreviewsEveryRowWithTotalsAndPrintPageSendsTheRowsOnScreen)
{
    RegisteredOutput registered;
    PdfOutput output;
    ListPrintOutputOverride useOutput(output);
    TestList l;
    l.window.setWindowTitle("Entries to print");
    l.xplore.HandleListEvent(XploreCommand::kPrintAll);
    EXPECT_EQ(output.how, "preview BrowseEntries:Print");
    for (const char* text : {"Entries to print", "5 Records", "Font: ", "Point", "Order: ", "Date", "Count", "Total"})
        EXPECT_TRUE(output.text.contains(text)) << text << "\n" << output.text.toStdString();
    // In the list's order, the counts adding up to 15.
    const std::vector<qsizetype> places =
        Places(output.text, {"Carnival", "apple", "O'Neil \"x\") ; DROP TABLE Entries", "Boxing Day"});
    EXPECT_TRUE(std::is_sorted(places.begin(), places.end()) && places.front() >= 0) << output.text.toStdString();
    EXPECT_TRUE(QRegularExpression("Total\\s+15\\s").match(output.text).hasMatch()) << output.text.toStdString();
    // Each column as the list shows it: Count's data right, its heading as set.
    ASSERT_EQ(output.columns.size(), 4);
    EXPECT_EQ(output.columns[3].alignment, Qt::AlignRight);
    EXPECT_EQ(output.columns[3].headingAlignment, Qt::AlignRight);
    EXPECT_TRUE(output.columns[0].border);
    EXPECT_EQ(output.columns[0].cellOffset, l.xplore.Columns().Shown()[0].dataOffset);

    // Sorted on a column: the order named by its title and direction, the
    // title printed without the sort mark, every date whole on its row's line.
    l.xplore.SortOnColumn(2);
    l.xplore.HandleListEvent(XploreCommand::kPrintAll);
    EXPECT_TRUE(output.text.contains("Order: Name (ascending)")) << output.text.toStdString();
    EXPECT_FALSE(output.text.contains(">Name")) << output.text.toStdString();
    const QStringList dates = l.Column(0);
    const QStringList names = l.Names();
    for (qsizetype row = 0; row < names.size(); ++row) {
        const QRegularExpression line(QRegularExpression::escape(dates[row].trimmed()) + " +" +
                                      QRegularExpression::escape(names[row].left(10)));
        EXPECT_TRUE(line.match(output.text).hasMatch()) << dates[row].toStdString() << "\n" << output.text.toStdString();
    }
    l.xplore.KeySequence(false); // back to date order

    l.window.resize(700, l.list->horizontalHeader()->height() + 2 * l.list->rowHeight(0) + 4);
    QApplication::processEvents();
    l.xplore.HandleListEvent(XploreCommand::kPrintPage);
    EXPECT_EQ(output.how, "print");
    const int onScreen = l.list->rowAt(l.list->viewport()->height() - 1) + 1;
    ASSERT_GT(onScreen, 0);
    ASSERT_LT(onScreen, 5);
    EXPECT_TRUE(output.text.contains(QString("%1 Records").arg(onScreen))) << output.text.toStdString();
    EXPECT_TRUE(output.text.contains("Carnival"));
    EXPECT_FALSE(output.text.contains("Boxing Day"));
    EXPECT_FALSE(output.text.contains("Total"));
}

TEST(ListOutput, ExportsWriteEveryRowSafelyAndOpenTheFile)
{
    RegisteredOutput registered;
    DocumentOpenerOverride opener(DocumentOpener{"true", {}});
    ScriptedPrompt prompt;
    TestList l;
    l.window.setWindowTitle("Entries <b>list</b>");
    l.xplore.ChangeColumns([](ColumnTable& columns) { columns.ShownAt(2)->header = "  Name  "; });
    l.xplore.HandleListEvent(XploreCommand::kExportAscii);
    l.xplore.HandleListEvent(XploreCommand::kExportHtml);
    EXPECT_TRUE(prompt.Questions().empty());

    const QStringList lines = ReadTextFile(TestPath("XPort.CSV")).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7) << lines.join('\n').toStdString();
    EXPECT_EQ(lines[0], "# Records=0000005");
    EXPECT_EQ(lines[1], "Date,  Name,Kind,Count") << "a title keeps its leading blanks";
    QStringList names;
    for (int i = 2; i < lines.size(); ++i) {
        const QStringList cells = ParseDelimitedLine(lines[i]);
        EXPECT_EQ(cells.size(), 4) << lines[i].toStdString();
        names << cells.value(1);
    }
    EXPECT_EQ(names, l.Names());

    const QString html = ReadTextFile(TestPath("XPort.HTM"));
    EXPECT_TRUE(html.contains("<TITLE>Entries &lt;b&gt;list&lt;/b&gt;</TITLE>")) << html.toStdString();
    EXPECT_TRUE(html.contains("<TD>O'Neil &quot;x&quot;) ; DROP TABLE Entries</TD>")) << html.toStdString();
    EXPECT_EQ(html.count("<TR>"), 6);
    EXPECT_TRUE(html.contains("<TD>  Name</TD>")) << html.toStdString();

    // No program to open the file with: says which file and why, the file
    // written all the same.
    DocumentOpenerOverride missing(DocumentOpener{"no-such-opener-velmora", {}});
    QFile::remove(TestPath("XPort.CSV"));
    prompt.Answer(1);
    l.xplore.HandleListEvent(XploreCommand::kExportAscii);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    const QString told = prompt.Questions()[0].text;
    EXPECT_TRUE(told.startsWith("The exported file " + QDir::toNativeSeparators(TestPath("XPort.CSV")) +
                                " could not be opened: no program to open documents was found ("))
        << told.toStdString();
    EXPECT_TRUE(told.contains("no-such-opener-velmora")) << told.toStdString();
    EXPECT_EQ(prompt.Questions()[0].caption, "Xplore");
    EXPECT_TRUE(QFile::exists(TestPath("XPort.CSV")));
}

} // namespace
} // namespace vl::test
