// Export and import on real tables: every table's records travel out and
// back unchanged (quotes, commas and line breaks included) under new IDs; a
// faulty file imports nothing and names its line; a cancelled or failed
// export leaves the earlier file as it was; the column mapping.

#include "core/base/Globals.h"
#include "core/dictionary/Dictionary.h"
#include "exchange/ExchangeProcedures.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QFileInfo>
#include <QLocale>

#include <gtest/gtest.h>

#include <set>

namespace vl {
namespace {

class ExportImportTest : public ::testing::Test {
protected:
    void TearDown() override { DictionaryEnd(); }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
    Picture::LocaleOverride locale{QLocale(QLocale::English, QLocale::UnitedStates)};
};

template <class R>
std::vector<R> All(Table<R>& table)
{
    std::vector<R> records;
    R record;
    Cursor<R> cursor(table, FileOrder);
    while (cursor.Next(record))
        records.push_back(record);
    return records;
}

// The exchanged fields of a record, as stored.
QStringList Exchanged(const ExchangeTableInfo& info, const TableDef& def, const RecordBase& record)
{
    QStringList values;
    for (const ExchangeField& field : info.fields) {
        const FieldValue value = def.StoredValue(def.FieldIndex(field.name), record);
        values << (std::holds_alternative<QString>(value) ? std::get<QString>(value)
                                                         : QString::number(std::get<int64_t>(value)));
    }
    return values;
}

// Exports the table with its default columns and header, imports the file
// back into the same table, and checks the copies against the originals.
template <class R>
void RoundTrip(ExchangeTable which, Table<R>& table, const char* idField)
{
    const ExchangeTableInfo& info = ExchangeInfo(which);
    const std::vector<R> originals = All(table);
    const QString path = test::TestPath(info.label + ".csv");
    ASSERT_TRUE(ExportTable(table, FileOrder, path, DefaultExportColumns(info), true).ok);

    ImexReader file = ImexReader::OfFile(path);
    ASSERT_TRUE(file.Open()) << file.Error().toStdString();
    ImportMapping mapping(info, std::move(file));
    mapping.Auto();
    for (size_t t = 0; t < info.fields.size(); ++t)
        EXPECT_GE(mapping.ColumnOf(int(t)), 0) << info.fields[t].name.toStdString();
    ImexReader reader = mapping.Reader();
    const ImportResult result = ImportRecords(table, mapping, reader, true);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.added, int(originals.size()));

    const std::vector<R> stored = All(table);
    ASSERT_EQ(stored.size(), 2 * originals.size());
    std::set<int64_t> ids;
    const int id = table.Definition().FieldIndex(QLatin1String(idField));
    for (size_t i = 0; i < originals.size(); ++i) {
        EXPECT_EQ(Exchanged(info, table.Definition(), stored[originals.size() + i]),
                  Exchanged(info, table.Definition(), originals[i]));
        if (id < 0)
            continue;
        ids.insert(std::get<int64_t>(table.Definition().Fields()[id].get(stored[i])));
        ids.insert(std::get<int64_t>(table.Definition().Fields()[id].get(stored[originals.size() + i])));
    }
    if (id >= 0) {
        EXPECT_EQ(ids.size(), stored.size()) << "IDs are unique";
    }
}

TEST_F(ExportImportTest, EveryTableTravelsOutAndBackUnchanged)
{
    ASSERT_TRUE(OpenTable(d.Todo));
    ASSERT_TRUE(OpenTable(d.Contact));
    ASSERT_TRUE(OpenTable(d.Schedule));
    for (int i = 0; i < 2; ++i) {
        TodoRecord todo;
        d.Todo.Prime(todo);
        todo.Done = uint8_t(i);
        todo.Priority = uint8_t(3 + i);
        todo.Category = "Home, \"main\"";
        todo.ToDo = i ? "plain" : "say \"hi\", twice";
        todo.CompletionDate = 58015 + i;
        todo.CompletionTime = i ? 0 : 6300001;
        todo.Notes = "line one\r\nline \"two\", end";
        todo.Resolution = QString(1000, QLatin1Char('r'));
        ASSERT_TRUE(d.Todo.Add(todo));

        ContactRecord contact;
        d.Contact.Prime(contact);
        contact.LastName = i ? "O'Neil" : "Smith, Jr.";
        contact.FirstName = "Ann";
        contact.Email = "ann@example.org";
        contact.Notes = "met at \"the fair\"\ncall back";
        ASSERT_TRUE(d.Contact.Add(contact));

        ScheduleRecord task;
        d.Schedule.Prime(task);
        task.TaskType = "Display Message";
        task.Category = "Work";
        task.Description = i ? "Report, weekly" : "Call \"Bob\"";
        task.ScheduleType = "Day of Week";
        task.Monday = 1;
        task.Offset = i ? -3 : 0;
        task.Every = 15;
        task.Date = 81000 + i;
        task.Time = 6300001;
        task.AdvanceWarnDate = i ? 80999 : 0;
        task.AdvanceWarnTime = i ? 3600001 : 0;
        task.ExpiryDate = 82000;
        task.ExpiryTime = 4500001;
        task.ExceptTimeBegin = 7200001;
        ASSERT_TRUE(d.Schedule.Add(task));
    }
    RoundTrip(ExchangeTable::Todo, d.Todo, "");
    RoundTrip(ExchangeTable::Contacts, d.Contact, "C_:ClientID");
    RoundTrip(ExchangeTable::Schedule, d.Schedule, "SCH:ID");
}

TEST_F(ExportImportTest, FaultyFileImportsNothingAndNamesItsLine)
{
    ASSERT_TRUE(OpenTable(d.Todo));
    struct Case {
        const char* lines;
        const char* caption;
        const char* error;
    };
    const char* header = "\"TDO:Done\",\"TDO:Priority\",\"TDO:ToDo\",\"TDO:CompletionDate\"\n";
    const Case cases[] = {
        {"0,1,\"ok\",\"JAN 05,1999\"\n0,2,\"open,\"JAN 05,1999\"\n", "Nothing Imported",
         "Line 3: text after the closing quote of field 3"},
        {"0,1,\"ok\",\"\"\n0,2,\"open\n", "Nothing Imported", "Line 3: field 3 has no closing quote"},
        {"0,1,\"ok\",\"\"\n0,high,\"x\",\"\"\n", "Nothing Imported",
         "Line 3: Field_2 (TDO:Priority) \"high\" is not a number"},
        {"0,300,\"x\",\"\"\n", "Nothing Imported", "Line 2: Field_2 (TDO:Priority) \"300\" is out of range"},
        {"0,11,\"x\",\"\"\n", "Nothing Imported", "Line 2: "},
        {"0,1,\"x\",\"someday\"\n", "Nothing Imported",
         "Line 2: Field_4 (TDO:CompletionDate) \"someday\" cannot be read with the picture @d3"},
    };
    for (const Case& c : cases) {
        const QString path = test::WriteTextFile(test::TestPath("in.csv"), QString::fromUtf8(header) + c.lines);
        prompt.AnswerPath(path).Answer(1);
        std::optional<ImexReader> file = ChooseImportFile();
        if (file) {
            ImportMapping mapping(ExchangeInfo(ExchangeTable::Todo), std::move(*file));
            mapping.Auto();
            EXPECT_FALSE(RunImport(mapping, true).ok) << c.lines;
        }
        ASSERT_FALSE(prompt.Questions().empty());
        const test::PromptQuestion& shown = prompt.Questions().back();
        EXPECT_TRUE(shown.caption.endsWith(QLatin1String(c.caption))) << shown.caption.toStdString();
        EXPECT_TRUE(shown.text.contains(QLatin1String(c.error))) << shown.text.toStdString();
        EXPECT_EQ(d.Todo.Records(), 0) << c.lines;
    }
}

TEST_F(ExportImportTest, FailedOrCancelledExportKeepsTheEarlierFile)
{
    ASSERT_TRUE(OpenTable(d.Todo));
    TodoRecord todo;
    for (int i = 0; i < 3; ++i) {
        d.Todo.Prime(todo);
        todo.Priority = 1;
        todo.ToDo = QString::number(i);
        ASSERT_TRUE(d.Todo.Add(todo));
    }
    const QString path = test::WriteTextFile(test::TestPath("out.csv"), "good\n");
    const auto columns = DefaultExportColumns(ExchangeInfo(ExchangeTable::Todo));
    int calls = 0;
    const ExportResult cancelled =
        ExportTable(d.Todo, TDO_KEYCATEGORY, path, columns, true, [&calls](int) { return ++calls < 2; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(test::ReadTextFile(path), "good\n");

    prompt.AnswerPath(test::TestPath("missing/dir/out.csv")).Answer(1);
    EXPECT_FALSE(RunExport(ExchangeTable::Todo, columns, false));
    EXPECT_EQ(prompt.Questions().back().caption, "Export Failed");

    prompt.AnswerPath(path);
    EXPECT_TRUE(RunExport(ExchangeTable::Todo, {{"TDO:ToDo", "@s80"}, {"TDO:Priority", "@n2"}}, false));
    EXPECT_EQ(test::ReadTextFile(path), "\"0\",1\r\n\"1\",1\r\n\"2\",1\r\n");
    EXPECT_EQ(prompt.Questions().back().text, "3 records written to " + path + ".");

    // An export that writes no record says why.
    ASSERT_TRUE(OpenTable(d.Contact));
    prompt.AnswerPath(path);
    EXPECT_TRUE(RunExport(ExchangeTable::Contacts, columns, true));
    EXPECT_EQ(prompt.Questions().back().text,
              "The Contact table holds no records: " + path + " holds only the header line.");
}

TEST_F(ExportImportTest, ImportKeepsDefaultsOfMissingColumnsAndNamesBlankLines)
{
    ASSERT_TRUE(OpenTable(d.Schedule));
    // The empty column after "b," is no column: the task keeps its insert
    // default (disabled); a line of blanks is skipped and named.
    const QString path = test::WriteTextFile(test::TestPath("in.csv"),
                                             "\"SCH:Description\",\"SCH:Disabled\"\n\"a\",0\n\"b\",\n\"\", \n");
    prompt.AnswerPath(path);
    std::optional<ImexReader> file = ChooseImportFile();
    ASSERT_TRUE(file);
    ImportMapping mapping(ExchangeInfo(ExchangeTable::Schedule), std::move(*file));
    mapping.Auto();
    const ImportResult result = RunImport(mapping, true);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(prompt.Questions().back().caption, "Import Completed");
    EXPECT_EQ(prompt.Questions().back().text,
              "2 records imported.  1 line with every imported field blank skipped (line 4).");
    QStringList tasks;
    for (const ScheduleRecord& task : All(d.Schedule))
        tasks << Clip(task.Description) + ":" + QString::number(task.Disabled);
    EXPECT_EQ(tasks.join(' '), "a:0 b:1");
}

// Blanks past a field's width are no loss; an emoji that does not fit is left out whole.
TEST_F(ExportImportTest, ImportCutsLongTextsOnWholeCharactersAndSaysSo)
{
    ASSERT_TRUE(OpenTable(d.Contact));
    const QString mail = QString(39, u'm') + QString::fromUtf8("\xF0\x9F\x98\x80");
    prompt.AnswerPath(test::WriteTextFile(
        test::TestPath("in.csv"),
        QStringLiteral("\"C_:LastName\",\"C_:Email\",\"C_:WebSite\",\"C_:Notes\"\n\"%1\",\"%2\",\"%3\",\"%4\"\n"
                       "\"Cole%5\",\"%6\",,\n\"%7\",\"%6\",\"%3\",\n")
            .arg("Ames", QString(56, u'm'), QString(80, u'w'), QString(1100, u'n'), QString(40, u' '), mail,
                 QString(31, u'l'))));
    std::optional<ImexReader> file = ChooseImportFile();
    ASSERT_TRUE(file);
    ImportMapping mapping(ExchangeInfo(ExchangeTable::Contacts), std::move(*file));
    mapping.Auto();
    GlobalUseLog = true;
    ASSERT_TRUE(RunImport(mapping, true).ok);
    GlobalUseLog = false;
    EXPECT_EQ(prompt.Questions().back().text, "3 records imported.  7 values were cut to their field's width.");
    const std::vector<ContactRecord> contacts = All(d.Contact);
    ASSERT_EQ(contacts.size(), 3u);
    EXPECT_EQ(contacts[0].Email + contacts[0].WebSite + contacts[0].Notes,
              QString(40, u'm') + QString(60, u'w') + QString(1024, u'n'));
    EXPECT_EQ(contacts[1].LastName + contacts[1].Email, "Cole" + QString(39, u'm')) << "no half emoji, no \"?\"";
    QStringList logged;
    for (const QString& entry : test::ReadTextFile(test::TestPath("VLMREVNT.LOG")).split('\n', Qt::SkipEmptyParts))
        logged << entry.mid(22, 32).trimmed() + '|' + entry.mid(54).trimmed();
    EXPECT_EQ(logged.join('\n'), "Import|Line 2: Field_4 (C_:Notes) cut to 1024 characters\n"
                                 "Import|Line 2: Field_2 (C_:Email) cut to 40 characters\n"
                                 "Import|Line 2: Field_3 (C_:WebSite) cut to 60 characters\n"
                                 "Import|Line 3: Field_2 (C_:Email) cut to 40 characters\n"
                                 "Import|Line 4: Field_1 (C_:LastName) cut to 30 characters\n"
                                 "Import|2 more values cut to their field's width");
}

TEST_F(ExportImportTest, ALargeImportIsWholeOrNothing)
{
    ASSERT_TRUE(OpenTable(d.Todo));
    // Longer than one piece of reading, so records fall across pieces.
    QString text = QStringLiteral("\"TDO:Priority\",\"TDO:ToDo\"\n");
    const int lines = 20000;
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("%1,\"item %2, padded to make the file longer than a piece\"\n").arg(1 + i % 10).arg(i);
    const QString good = test::WriteTextFile(test::TestPath("good.csv"), text);
    const QString bad = test::WriteTextFile(test::TestPath("bad.csv"), text + "1,\"no closing quote\n");
    ASSERT_GT(QFileInfo(good).size(), 1 << 20);

    for (const QString& path : {bad, good}) {
        ImexReader file = ImexReader::OfFile(path);
        ASSERT_TRUE(file.Open());
        ImportMapping mapping(ExchangeInfo(ExchangeTable::Todo), std::move(file));
        mapping.Auto();
        ImexReader reader = mapping.Reader();
        int shown = 0;
        const ImportResult result = ImportRecords(d.Todo, mapping, reader, true, [&shown](int percent) {
            shown = percent;
            return percent < 60; // cancelled while adding
        });
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(d.Todo.Records(), 0) << path.toStdString();
        if (path == bad) {
            EXPECT_LE(shown, 50) << "refused by the check, before any add";
            EXPECT_EQ(result.error, bad + ", Line 20002: field 2 has no closing quote");
        } else {
            EXPECT_TRUE(result.cancelled);
            EXPECT_EQ(shown, 60);
        }
    }
}

TEST_F(ExportImportTest, MappingGuessesPicturesAndAssignsByHeader)
{
    ImexReader file = ImexReader::OfText(QStringLiteral("\"TDO:ToDo\",\"x\",\"TDO:CompletionDate\"\n"
                                                        "\"a\",2,\"JAN 05,1999\"\n\"b\",3,\"\"\n"));
    ASSERT_TRUE(file.Open());
    ImportMapping mapping(ExchangeInfo(ExchangeTable::Todo), std::move(file));
    ASSERT_EQ(mapping.Columns().size(), 3u);
    EXPECT_EQ(ImportPictureText(mapping.Columns()[0].picture), "Alpha-num");
    EXPECT_EQ(ImportPictureText(mapping.Columns()[1].picture), "Numeric");
    mapping.Auto();
    EXPECT_EQ(mapping.ColumnOf(3), 0);  // TDO:ToDo
    EXPECT_EQ(mapping.ColumnOf(4), 2);  // TDO:CompletionDate
    EXPECT_EQ(mapping.Columns()[2].picture, "@d3");
    EXPECT_EQ(mapping.FirstTargetOf(1), -1);
    mapping.Assign(1, 1);
    mapping.Assign(0, 1);
    EXPECT_EQ(mapping.FirstTargetOf(1), 0);
    EXPECT_TRUE(mapping.NextSample());
    EXPECT_EQ(mapping.SampleValue(2), "JAN 05,1999");
    EXPECT_TRUE(mapping.NextSample());
    EXPECT_FALSE(mapping.NextSample());
    EXPECT_EQ(mapping.SampleNumber(), 3);

    ASSERT_TRUE(OpenTable(d.Todo));
    const SettableClock clock(80000, 100);
    const ClockOverride useClock(clock);
    ImexReader reader = mapping.Reader();
    const ImportResult result = ImportRecords(d.Todo, mapping, reader, true);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    const std::vector<TodoRecord> stored = All(d.Todo);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].Done, 2); // one column fills two fields
    EXPECT_EQ(stored[0].Priority, 2);
    EXPECT_EQ(stored[0].CompletionDate, 72326);
    EXPECT_EQ(stored[1].CompletionDate, 0);
    EXPECT_EQ(stored[1].LASTCHANGEDATE, 80000);
}

} // namespace
} // namespace vl
