#include "platform/mail/MimeEncoding.h"

#include <QList>

namespace vl {
namespace {

constexpr qsizetype kMaxLine = 998;
constexpr qsizetype kQpLine = 75; // plus the "=" of a soft break
constexpr qsizetype kBase64Line = 76;

QByteArray Escaped(uchar c)
{
    static const char kHex[] = "0123456789ABCDEF";
    return QByteArray("=") + kHex[c >> 4] + kHex[c & 15];
}

} // namespace

QByteArray CrlfUtf8(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + utf8.size() / 32);
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8.at(i);
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < utf8.size() && utf8.at(i + 1) == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

bool NeedsQuotedPrintable(const QByteArray& crlfText)
{
    qsizetype lineLength = 0;
    for (char ch : crlfText) {
        const auto c = static_cast<uchar>(ch);
        if (c == '\n') {
            lineLength = 0;
            continue;
        }
        if (c >= 128 || (c < 32 && c != '\t' && c != '\r') || c == 127)
            return true;
        if (c != '\r' && ++lineLength > kMaxLine)
            return true;
    }
    return false;
}

QByteArray QuotedPrintable(const QByteArray& crlfText)
{
    QByteArray out;
    out.reserve(crlfText.size() * 11 / 10);
    const QList<QByteArray> lines = crlfText.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        qsizetype column = 0;
        for (qsizetype j = 0; j < line.size(); ++j) {
            const auto c = static_cast<uchar>(line.at(j));
            const bool lastOfLine = j + 1 == line.size();
            const bool literal = (c >= 33 && c <= 126 && c != '=')
                || ((c == ' ' || c == '\t') && !lastOfLine);
            const QByteArray piece = literal ? QByteArray(1, static_cast<char>(c)) : Escaped(c);
            if (column + piece.size() > kQpLine) {
                out += "=\r\n";
                column = 0;
            }
            out += piece;
            column += piece.size();
        }
        if (i + 1 < lines.size())
            out += "\r\n";
    }
    return out;
}

QByteArray Base64Lines(const QByteArray& data)
{
    const QByteArray encoded = data.toBase64();
    QByteArray out;
    out.reserve(encoded.size() + encoded.size() / kBase64Line * 2 + 2);
    for (qsizetype i = 0; i < encoded.size(); i += kBase64Line) {
        out += encoded.mid(i, kBase64Line);
        out += "\r\n";
    }
    return out;
}

} // namespace vl
