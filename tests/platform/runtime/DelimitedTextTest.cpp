#include "platform/runtime/DelimitedText.h"

#include "tests/support/TempDir.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace vl {
namespace {

using test::ReadFileBytes;
using test::TestPath;

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(DelimitedText, ParsesQuotedAndUnquotedFields)
{
    EXPECT_EQ(ParseDelimitedLine(uR"("Start Program","/usr/bin/gedit","","-s",15,"open")"),
              QStringList({"Start Program", "/usr/bin/gedit", "", "-s", "15", "open"}));
    EXPECT_EQ(ParseDelimitedLine(uR"("a, b","say ""hi""",""""," padded  ")"),
              QStringList({"a, b", "say \"hi\"", "\"", " padded  "}));
    EXPECT_EQ(ParseDelimitedLine(u"  plain text , 42 ,,x"), QStringList({"plain text", "42", "", "x"}));
    EXPECT_EQ(ParseDelimitedLine(u"  \"quoted\"  ,b"), QStringList({"quoted", "b"}));
    EXPECT_EQ(ParseDelimitedLine(u"a\"b,c"), QStringList({"a\"b", "c"})); // a quote inside an unquoted field
    EXPECT_EQ(ParseDelimitedLine(u""), QStringList({""}));
    EXPECT_EQ(ParseDelimitedLine(u","), QStringList({"", ""}));
    EXPECT_EQ(ParseDelimitedLine(u"a,\r\n"), QStringList({"a", ""}));
}

TEST(DelimitedText, MalformedLinesLoseNothing)
{
    EXPECT_EQ(ParseDelimitedLine(u"\"unclosed, still, one"), QStringList({"unclosed, still, one"}));
    EXPECT_EQ(ParseDelimitedLine(u"x,\""), QStringList({"x", ""}));
    EXPECT_EQ(ParseDelimitedLine(u"\"x\"\""), QStringList({"x\""}));
    EXPECT_EQ(ParseDelimitedLine(u"\"ab\"cd,e"), QStringList({"abcd", "e"}));
    EXPECT_EQ(ParseDelimitedLine(u"\"ab\" x ,e"), QStringList({"abx", "e"}));
}

TEST(DelimitedText, FormatsEveryFieldQuoted)
{
    EXPECT_EQ(FormatDelimitedLine({"Wait", "5", "", "say \"hi\"", "a,b", " x "}),
              uR"("Wait","5","","say ""hi""","a,b"," x ")");
    EXPECT_EQ(FormatDelimitedLine({"two\r\nlines"}), "\"two  lines\"");
    EXPECT_EQ(FormatDelimitedLine({"it's"}, {QLatin1Char(';'), QLatin1Char('\'')}), "'it''s'");
    EXPECT_EQ(FormatDelimitedLine({}), "");
}

TEST(DelimitedText, RoundTripsAnyFieldsWithAnySyntax)
{
    const QStringList fields = {"",  " lead", "trail ", "a,b", "\"", "\"\"", "it's", "x;y",
                                "tab\there", QString::fromUtf8("Ärger €"), ",", "'"};
    const QList<DelimitedSyntax> syntaxes = {
        {},
        {QLatin1Char(';'), QLatin1Char('\'')},
        {QLatin1Char('\t'), QLatin1Char('"')},
    };
    for (const DelimitedSyntax& syntax : syntaxes) {
        const QString line = FormatDelimitedLine(fields, syntax);
        EXPECT_EQ(ParseDelimitedLine(line, syntax), fields) << line.toStdString();
    }
}

TEST(DelimitedText, FilesReadBackWhatWasWritten)
{
    const QString path = TestPath("script.vls");
    const QList<QStringList> records = {
        {"Start Program", "/bin/editor", "", "5"},
        {"Comment", "a, \"b\""},
        {""},
    };
    ASSERT_TRUE(WriteDelimitedFile(path, records));
    EXPECT_EQ(ReadFileBytes(path), "\"Start Program\",\"/bin/editor\",\"\",\"5\"\r\n\"Comment\",\"a, \"\"b\"\"\"\r\n\"\"\r\n");

    DelimitedReadResult read = ReadDelimitedFile(path);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.records, records);

    ASSERT_TRUE(AppendDelimitedRecord(path, {"Exit Script"}));
    ASSERT_TRUE(AppendDelimitedRecord(TestPath("new.vls"), {"Wait", "3"}));
    read = ReadDelimitedFile(path);
    ASSERT_EQ(read.records.size(), 4);
    EXPECT_EQ(read.records.last(), QStringList({"Exit Script"}));
    EXPECT_EQ(ReadFileBytes(TestPath("new.vls")), "\"Wait\",\"3\"\r\n");

    ASSERT_TRUE(WriteDelimitedFile(path, {}));
    EXPECT_EQ(ReadFileBytes(path), "");
    read = ReadDelimitedFile(path);
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(read.records.isEmpty());
}

TEST(DelimitedText, ReadsEitherLineEndAndSkipsBlankLines)
{
    const QString path = TestPath("foreign.vls");
    WriteBytes(path, "\xEF\xBB\xBF\"Wait\",5\n\n   \r\n\"Set Focus\",\"Editor\"\r\nExit Script");
    const DelimitedReadResult read = ReadDelimitedFile(path);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.records, QList<QStringList>({{"Wait", "5"}, {"Set Focus", "Editor"}, {"Exit Script"}}));
}

TEST(DelimitedText, ReportsFilesItCannotReadOrWrite)
{
    const DelimitedReadResult read = ReadDelimitedFile(TestPath("missing.vls"));
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.error.contains("missing.vls"));

    QString error;
    EXPECT_FALSE(WriteDelimitedFile(TestPath("no/dir/out.vls"), {{"x"}}, {}, &error));
    EXPECT_TRUE(error.contains("out.vls"));
    error.clear();
    EXPECT_FALSE(AppendDelimitedRecord(TestPath("no/dir/out.vls"), {"x"}, {}, &error));
    EXPECT_TRUE(error.contains("out.vls"));
    EXPECT_FALSE(QFileInfo::exists(TestPath("no")));
}

} // namespace
} // namespace vl
