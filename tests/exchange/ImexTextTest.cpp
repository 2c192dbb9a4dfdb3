// The delimited-text line: fields written by their pictures, and a file's
// text split into records across quoted line breaks, with malformed lines
// named; a comma at the end of a line starts no field.

#include "exchange/ImexText.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(ImexText, WritesEachFieldByItsPicture)
{
    struct Case {
        FieldValue value;
        const char* picture;
        const char* text;
    };
    const Case cases[] = {
        {QStringLiteral("say \"hi\", then go   "), "@s20", "\"say \"\"hi\"\", then go\""},
        {QStringLiteral("two\nlines"), "@s255", "\"two\nlines\""},
        {int64_t(-5), "@n-2b", "-5"},
        {int64_t(0), "@n-2b", "0"},
        {QStringLiteral("a,b"), "@n3", "\"a,b\""},
        {int64_t(58015), "@d3", "\"OCT 31,1959\""},
        {int64_t(0), "@d17b", "\"\""},
        {int64_t(6300001), "@t3", "\"5:30PM\""},
        {int64_t(0), "@t3", "\"\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ImexValueText(c.value, QLatin1String(c.picture)), QString::fromUtf8(c.text)) << c.picture;
    EXPECT_EQ(ImexHeaderText(QStringLiteral("TDO:ToDo")), "\"TDO:ToDo\"");
    EXPECT_EQ(ImexHeaderText(QStringLiteral("A[1,2]")), "\"A_1_2\"");
    EXPECT_EQ(ImexHeaderText(QStringLiteral("A[1] [2] ")), "\"A_1  _2\"");
}

QString Shown(const QString& text)
{
    ImexReader reader = ImexReader::OfText(text);
    if (!reader.Open())
        return reader.Error();
    QStringList records;
    ImexRecord record;
    while (reader.Next(record)) {
        QStringList fields;
        for (qsizetype f = 0; f < record.Size(); ++f)
            fields << (record.Quoted(f) ? "q:" : "") + record.Text(f).toString();
        records << QString::number(record.line) + "[" + fields.join('|') + "]";
    }
    return reader.Error().isEmpty() ? records.join(' ') : reader.Error();
}

TEST(ImexText, SplitsRecordsAndNamesMalformedLines)
{
    struct Case {
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {"1,,3\r\n\r\n  \n\"a,\"\"b\"\"\",x y \r\n", "1[1||3] 4[q:a,\"b\"|x y ]"},
        {"\"memo\r\nsecond\",2\n3", "1[q:memo\r\nsecond|2] 3[3]"},
        {"\"a\"  ,\"b\"\t\r\n", "1[q:a|q:b]"},
        {"1,\n", "1[1]"},
        {"a,b,  \r\nc,,\n,", "1[a|b] 2[c|] 3[]"},
        {"\"a\",\"b\",\r\n", "1[q:a|q:b]"},
        {" \"x\",y", "1[ \"x\"|y]"},
        {"1\n\"a\"b,2\n", "Line 2: text after the closing quote of field 1"},
        {"1\n2,\"open\n3\n", "Line 2: field 2 has no closing quote"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Shown(QString::fromUtf8(c.text)), QString::fromUtf8(c.shown)) << c.text;
}

} // namespace
} // namespace vl
