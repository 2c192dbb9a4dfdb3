// Script exchange files on real tables: import appends in file order and
// normalises, skips comments and names unknown actions; a malformed or
// truncated file, or a refused write, imports nothing and says why; files of
// other encodings read right; export and import of templates alike.

#include "core/dictionary/Dictionary.h"
#include "platform/runtime/FixedText.h"
#include "scripting/items/ScriptItemTables.h"
#include "scripting/text/ScriptExchange.h"
#include "tests/scripting/text/ScriptItemFields.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QFile>

#include <SQLiteCpp/Database.h>

#include <gtest/gtest.h>

namespace vl {
namespace {

using test::ItemFields;
using test::MakeItem;

QString WriteBytes(const QString& name, const QByteArray& bytes)
{
    const QString path = test::TestPath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

class ScriptExchangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Scripting));
        ASSERT_TRUE(OpenTable(d.ScriptTemplateDetails));
        for (const char* keys : {"a", "b", "c"}) {
            ScriptingRecord item = MakeItem("Send Keys", QStringLiteral("Keystrokes=") + keys);
            item.ID = 5;
            ASSERT_TRUE(d.Scripting.Add(item));
        }
    }
    void TearDown() override { DictionaryEnd(); }

    template <class R>
    QString Stored(Table<R>& table, int32_t owner)
    {
        std::vector<R> items;
        EXPECT_TRUE(ReadScriptItems(table, owner, items).Ok());
        QStringList shown;
        for (const R& item : items)
            shown << QString::number(item.Sequence) + ":" + Clip(item.Action) + ":" + Clip(item.Keystrokes);
        return shown.join(' ');
    }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
};

TEST_F(ScriptExchangeTest, ImportAppendsInFileOrderNormalisedAndNamesUnknownActions)
{
    const QString file = test::WriteTextFile(test::TestPath("in.vls"),
                                             "\"Send Keystrokes\",\"x\"\r\n"
                                             "\"Comment\",\"any\",\"thing\"\r\n"
                                             "\r\n"
                                             "\"Beep\",\"\"\r\n"
                                             "\"Wait\",5,\"Editor*\",\"and\"\r\n"
                                             "\"If Window...\",\"Window Exists\",\"Editor*\"\r\n");
    prompt.AnswerPath(file).Answer(1);
    EXPECT_TRUE(ImportScript(d.Scripting, 5));
    EXPECT_EQ(Stored(d.Scripting, 5),
              "1:Send Keys:a 2:Send Keys:b 3:Send Keys:c 4:Send Keys:x 5:Wait: 6:If Window...:");
    std::vector<ScriptingRecord> items;
    ASSERT_TRUE(ReadScriptItems(d.Scripting, 5, items).Ok());
    EXPECT_EQ(ItemFields(items[4]), "Wait|SecondsToWait=5|WaitForWindow=Editor*|DDEApplicationName=Both");
    EXPECT_EQ(ItemFields(items[5]), "If Window...|WindowExistance=Exists|WindowTitleToCheckFor=Editor*");
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Choose File to Import");
    EXPECT_EQ(prompt.Questions()[0].filter, "Export File|*.vls|Text|*.txt|All|*.*");
    EXPECT_EQ(prompt.Questions()[1].text, "Unrecognized script action: Beep");
    EXPECT_EQ(prompt.Questions()[1].caption, "Import Error");
    EXPECT_EQ(GlobalExportName, file);

    prompt.Cancel();
    EXPECT_FALSE(ImportScript(d.Scripting, 5));
    EXPECT_EQ(prompt.Questions().size(), 3u) << "a cancelled dialog says nothing more";
}

TEST_F(ScriptExchangeTest, AMalformedOrTruncatedFileImportsNothingAndNamesTheLine)
{
    const struct {
        const char* content;
        const char* reason;
    } cases[] = {
        {"\"Send Keys\",\"a\"\r\n\"Wait\",\"5\"\r\n\"Send Keys\",\"trunc", "line 3: column 2: the quote at character 13 is never closed"},
        {"\"Send Keys\",\"a\"x\r\n", "line 1: column 2: text after its closing quote"},
        {"\"Send Keys\",\"a\"\r\n\"Wait\",\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\"\r\n", "line 2: 8 columns, at most 7"},
        {"\r\n\"Wait\",\"five\"\r\n", "line 2: column 2 holds no number: \"five\""},
        {"Send Keys,a\"b\r\n", "line 1: column 2: a quote inside an unquoted value"},
    };
    for (const auto& c : cases) {
        const QString file = test::WriteTextFile(test::TestPath("bad.vls"), QString::fromUtf8(c.content));
        const size_t asked = prompt.Questions().size();
        prompt.AnswerPath(file).Answer(1);
        EXPECT_FALSE(ImportScript(d.Scripting, 5)) << c.reason;
        ASSERT_EQ(prompt.Questions().size(), asked + 2);
        EXPECT_EQ(prompt.Questions().back().text, file + ", " + c.reason + "|Nothing was imported.");
    }
    EXPECT_EQ(Stored(d.Scripting, 5), "1:Send Keys:a 2:Send Keys:b 3:Send Keys:c");
}

TEST_F(ScriptExchangeTest, ARefusedWriteImportsNothingAndAFailedExportKeepsNoHalfFile)
{
    SQLite::Database other("VLDB.TPS", SQLite::OPEN_READWRITE);
    other.exec("CREATE TRIGGER refuse BEFORE INSERT ON \"Script\" WHEN NEW.\"Sequence\" = 5 "
               "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const QString file = test::WriteTextFile(test::TestPath("in.vls"), "\"Send Keys\",\"x\"\r\n\"Send Keys\",\"y\"\r\n");
    prompt.AnswerPath(file).Answer(1);
    EXPECT_FALSE(ImportScript(d.Scripting, 5));
    EXPECT_EQ(Stored(d.Scripting, 5), "1:Send Keys:a 2:Send Keys:b 3:Send Keys:c");
    EXPECT_TRUE(prompt.Questions().back().text.startsWith("Error adding script item refused"));
    EXPECT_TRUE(prompt.Questions().back().text.endsWith("|Nothing was imported."));

    prompt.AnswerPath(test::TestPath("no/such/dir/out.vls")).Answer(1);
    EXPECT_FALSE(ExportScript(d.Scripting, 5));
    EXPECT_TRUE(prompt.Questions().back().text.startsWith("Error exporting script item "));
    EXPECT_EQ(prompt.Questions().back().caption, "Error!");
}

TEST_F(ScriptExchangeTest, FilesOfOtherEncodingsReadRight)
{
    const QString text = QStringLiteral("\"Send Keys\",\"Grüße €5\"\r\n");
    QByteArray utf16le("\xFF\xFE", 2);
    QByteArray utf16be("\xFE\xFF", 2);
    for (const QChar c : text) {
        utf16le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    }
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"utf8", text.toUtf8()},
        {"utf8 with mark", "\xEF\xBB\xBF" + text.toUtf8()},
        {"utf16le", utf16le},
        {"utf16be", utf16be},
        {"windows-1252", QByteArray("\"Send Keys\",\"Gr\xFC\xDF" "e \x80" "5\"\r\n")},
    };
    for (const auto& c : cases) {
        const ScriptFileContents read = ReadScriptExchangeFile(WriteBytes("enc.vls", c.bytes));
        ASSERT_TRUE(read.ok) << c.name << read.error.toStdString();
        ASSERT_EQ(read.items.size(), 1u) << c.name;
        EXPECT_EQ(read.items[0].Keystrokes, QStringLiteral("Grüße €5")) << c.name;
    }
    EXPECT_FALSE(ReadScriptExchangeFile(test::TestPath("missing.vls")).ok);
}

TEST_F(ScriptExchangeTest, TemplatesExportAndImportLikeTasksAndAnEmptyScriptGivesAnEmptyFile)
{
    const QString file = test::TestPath("t.vls");
    prompt.AnswerPath(file);
    EXPECT_TRUE(ExportScript(d.Scripting, 5));
    prompt.AnswerPath(file);
    EXPECT_TRUE(ImportScriptTemplateDetails(d.ScriptTemplateDetails, 3));
    EXPECT_EQ(Stored(d.ScriptTemplateDetails, 3), "1:Send Keys:a 2:Send Keys:b 3:Send Keys:c");
    const QString copy = test::TestPath("t2.vls");
    prompt.AnswerPath(copy);
    EXPECT_TRUE(ExportScriptTemplateDetails(d.ScriptTemplateDetails, 3));
    EXPECT_EQ(test::ReadTextFile(copy), test::ReadTextFile(file));
    EXPECT_EQ(prompt.Questions()[0].caption, "Export to File");

    prompt.AnswerPath(file);
    EXPECT_TRUE(ExportScript(d.Scripting, 9));
    EXPECT_EQ(QFile(file).size(), 0);
    prompt.Answer(1);
    EXPECT_FALSE(ImportScriptTemplateDetails(d.ScriptTemplateDetails, 0));
    EXPECT_TRUE(prompt.Questions().back().text.startsWith("Unable to attach script to template."));
}

} // namespace
} // namespace vl
