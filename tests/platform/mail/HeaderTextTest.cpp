#include "platform/mail/HeaderText.h"
#include "platform/mail/MailDate.h"
#include "platform/mail/MimeEncoding.h"
#include "platform/runtime/Clock.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace vl {
namespace {

// Decodes a run of "=?UTF-8?B?...?=" words as a reader would, checking that
// every word alone is whole UTF-8 and at most 75 characters.
QString DecodeWords(const QByteArray& encoded)
{
    static const QRegularExpression kWord("^=\\?UTF-8\\?B\\?([A-Za-z0-9+/=]*)\\?=$");
    QString out;
    for (const QByteArray& word : encoded.split('\n')) {
        const QString trimmed = QString::fromLatin1(word).trimmed();
        EXPECT_LE(trimmed.size(), 75);
        const auto match = kWord.match(trimmed);
        EXPECT_TRUE(match.hasMatch()) << trimmed.toStdString();
        const QByteArray bytes = QByteArray::fromBase64(match.captured(1).toLatin1());
        EXPECT_EQ(QString::fromUtf8(bytes).toUtf8(), bytes); // no character split between words
        out += QString::fromUtf8(bytes);
    }
    return out;
}

QByteArray DecodeQuotedPrintable(const QByteArray& encoded)
{
    QByteArray out;
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        if (encoded.at(i) != '=') {
            out += encoded.at(i);
        } else if (encoded.mid(i + 1, 2) == "\r\n") {
            i += 2;
        } else {
            out += static_cast<char>(encoded.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        }
    }
    return out;
}

TEST(HeaderText, LineBreaksAndControlsNeverLeaveTheValue)
{
    EXPECT_EQ(SingleLine("Hi\r\nBcc: evil@example.test"), "Hi Bcc: evil@example.test");
    EXPECT_EQ(SingleLine("a\rb\nc\td"), "a b c d");
    EXPECT_EQ(EncodeHeaderText("Report\nX-Injected: 1"), "Report X-Injected: 1");
    EXPECT_FALSE(EncodeHeaderText(QString::fromUtf8("Grüße\r\nBcc: x")).contains('\r' + QByteArray("\nBcc")));
    EXPECT_EQ(DecodeWords(EncodeHeaderText(QString::fromUtf8("Grüße\r\nBcc: x"))), QString::fromUtf8("Grüße Bcc: x"));
}

TEST(HeaderText, PlainTextStaysAndOtherTextTravelsInEncodedWords)
{
    EXPECT_EQ(EncodeHeaderText("Weekly report"), "Weekly report");
    EXPECT_TRUE(EncodeHeaderText("looks =?like?= a word").startsWith("=?UTF-8?B?"));
    EXPECT_EQ(DecodeWords(EncodeHeaderText("looks =?like?= a word")), "looks =?like?= a word");

    const QString longText = QString::fromUtf8("äöü€𝄞").repeated(40);
    const QByteArray encoded = EncodeHeaderText(longText);
    EXPECT_GT(encoded.count("=?UTF-8?B?"), 5);
    EXPECT_TRUE(encoded.contains("?=\r\n =?UTF-8?B?"));
    EXPECT_EQ(DecodeWords(encoded), longText);
}

TEST(HeaderText, Mailboxes)
{
    EXPECT_EQ(FormatMailbox({"", "bob@example.test"}), "bob@example.test");
    EXPECT_EQ(FormatMailbox({"BOB@example.test", "bob@example.test"}), "bob@example.test");
    EXPECT_EQ(FormatMailbox({"Bob Smith", "bob@example.test"}), "\"Bob Smith\" <bob@example.test>");
    EXPECT_EQ(FormatMailbox({"Bob \"the\" \\ one", "b@x.test"}), "\"Bob \\\"the\\\" \\\\ one\" <b@x.test>");
    EXPECT_EQ(FormatMailbox({"Bob\r\nBcc: c@x.test", "b@x.test"}), "\"Bob Bcc: c@x.test\" <b@x.test>");
    const QByteArray encoded = FormatMailbox({QString::fromUtf8("Jörg"), "j@x.test"});
    EXPECT_TRUE(encoded.endsWith(" <j@x.test>"));
    EXPECT_EQ(DecodeWords(encoded.left(encoded.indexOf(' '))), QString::fromUtf8("Jörg"));
    EXPECT_EQ(JoinHeaderList({"a@x.test", "b@x.test"}), "a@x.test,\r\n b@x.test");
}

TEST(HeaderText, AttachmentNames)
{
    EXPECT_EQ(AttachmentNameParameter("report \"1\".txt"), "name=\"report \\\"1\\\".txt\"");
    EXPECT_EQ(AttachmentFileNameParameter("notes.txt"), "filename=\"notes.txt\"");
    EXPECT_EQ(AttachmentFileNameParameter(QString::fromUtf8("Grüße.txt")), "filename*=UTF-8''Gr%C3%BC%C3%9Fe.txt");
    const QByteArray name = AttachmentNameParameter(QString::fromUtf8("Grüße.txt"));
    EXPECT_EQ(DecodeWords(name.mid(6, name.size() - 7)), QString::fromUtf8("Grüße.txt"));
}

TEST(MimeEncoding, LineEndsAndWhenTextNeedsEncoding)
{
    EXPECT_EQ(CrlfUtf8("a\nb\r\nc\rd\r"), "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_FALSE(NeedsQuotedPrintable("plain text\r\nwith\ttabs\r\n"));
    EXPECT_TRUE(NeedsQuotedPrintable(CrlfUtf8(QString::fromUtf8("für"))));
    EXPECT_TRUE(NeedsQuotedPrintable(QByteArray("bell\x07")));
    EXPECT_FALSE(NeedsQuotedPrintable(QByteArray(998, 'x') + "\r\nshort"));
    EXPECT_TRUE(NeedsQuotedPrintable(QByteArray(999, 'x') + "\r\nshort"));
}

TEST(MimeEncoding, QuotedPrintableRoundTripsWithinLineLimits)
{
    const QByteArray text = CrlfUtf8(QString::fromUtf8("a=b trailing \nfür ") + QString(300, 'y') + "\n\nend\t");
    const QByteArray encoded = QuotedPrintable(text);
    EXPECT_TRUE(encoded.startsWith("a=3Db trailing=20\r\nf=C3=BCr "));
    for (const QByteArray& line : encoded.split('\n'))
        EXPECT_LE(line.size(), 77); // 76 and the CR
    EXPECT_TRUE(encoded.endsWith("\r\n\r\nend=09"));
    EXPECT_EQ(DecodeQuotedPrintable(encoded), text);
}

TEST(MimeEncoding, Base64InLinesOf76)
{
    QByteArray data;
    for (int i = 0; i < 1000; ++i)
        data += static_cast<char>(i * 7);
    const QByteArray lines = Base64Lines(data);
    const QList<QByteArray> split = lines.split('\n');
    EXPECT_EQ(split.first().size(), 77);
    EXPECT_TRUE(lines.endsWith("\r\n"));
    EXPECT_EQ(QByteArray::fromBase64(QByteArray(lines).replace("\r\n", "")), data);
    EXPECT_EQ(Base64Lines({}), "");
}

TEST(MailDate, FormatsDayClockAndZone)
{
    EXPECT_EQ(FormatMailDate(MakeDate(3, 14, 2023), MakeClock(10, 15, 7, 99), 3600),
              "Tue, 14 Mar 2023 10:15:07 +0100");
    EXPECT_EQ(FormatMailDate(MakeDate(1, 1, 2024), MakeClock(0, 0), -(5 * 3600 + 30 * 60)),
              "Mon, 1 Jan 2024 00:00:00 -0530");
    EXPECT_EQ(FormatMailDate(MakeDate(12, 31, 1999), MakeClock(23, 59, 59), 0),
              "Fri, 31 Dec 1999 23:59:59 +0000");

    SettableClock clock(MakeDate(7, 4, 2025), MakeClock(8, 30));
    ClockOverride use(clock);
    EXPECT_TRUE(CurrentMailDate().startsWith("Fri, 4 Jul 2025 08:30:00 ")) << CurrentMailDate().toStdString();
}

} // namespace
} // namespace vl
