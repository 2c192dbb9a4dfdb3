#include "platform/mail/HeaderText.h"

namespace vl {
namespace {

// 45 bytes of UTF-8 make 60 base64 characters: with "=?UTF-8?B?" and "?="
// an encoded word stays within 75 characters.
constexpr qsizetype kBytesPerWord = 45;
const QByteArray kFold = "\r\n ";

bool IsPlainAscii(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() < 32 || c.unicode() > 126)
            return false;
    // A literal "=?" would be read back as the start of an encoded word.
    return !text.contains("=?");
}

QByteArray EncodedWords(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    QList<QByteArray> words;
    qsizetype start = 0;
    while (start < utf8.size()) {
        qsizetype end = qMin(start + kBytesPerWord, utf8.size());
        // Never split a character: back up over continuation bytes.
        while (end < utf8.size() && end > start && (static_cast<uchar>(utf8.at(end)) & 0xC0) == 0x80)
            --end;
        words.append("=?UTF-8?B?" + utf8.mid(start, end - start).toBase64() + "?=");
        start = end;
    }
    return words.join(kFold);
}

QByteArray QuotedString(const QString& text)
{
    QByteArray out = "\"";
    for (char c : text.toLatin1()) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

} // namespace

QString SingleLine(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n')
            continue; // CR LF counts as one break
        out += (c.unicode() < 32 || c.unicode() == 127) ? QChar(' ') : c;
    }
    return out;
}

QByteArray EncodeHeaderText(const QString& text)
{
    const QString line = SingleLine(text);
    return IsPlainAscii(line) ? line.toLatin1() : EncodedWords(line);
}

QByteArray FormatMailbox(const Mailbox& mailbox)
{
    const QString name = SingleLine(mailbox.name).trimmed();
    const QByteArray address = mailbox.address.toUtf8();
    if (name.isEmpty() || name.compare(mailbox.address, Qt::CaseInsensitive) == 0)
        return address;
    const QByteArray phrase = IsPlainAscii(name) ? QuotedString(name) : EncodedWords(name);
    return phrase + " <" + address + ">";
}

QByteArray JoinHeaderList(const QList<QByteArray>& entries)
{
    return entries.join("," + kFold);
}

QByteArray AttachmentNameParameter(const QString& baseName)
{
    const QString name = SingleLine(baseName);
    return "name=" + (IsPlainAscii(name) ? QuotedString(name) : "\"" + EncodedWords(name) + "\"");
}

QByteArray AttachmentFileNameParameter(const QString& baseName)
{
    const QString name = SingleLine(baseName);
    if (IsPlainAscii(name))
        return "filename=" + QuotedString(name);
    // Extended parameter: charset, empty language, percent-encoded UTF-8.
    return "filename*=UTF-8''" + name.toUtf8().toPercentEncoding();
}

} // namespace vl
