#include "scripting/text/ExchangeFileText.h"

#include <QStringDecoder>

#include <array>

namespace vl {
namespace {

// Windows-1252 at 0x80-0x9F; the bytes it leaves undefined map to the C1
// controls of the same number, as the system's own conversion does.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeCp1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text.append(value >= 0x80 && value < 0xA0 ? QChar(kCp1252High[value - 0x80]) : QChar(value));
    }
    return text;
}

QString Decode(const QByteArray& bytes, QStringConverter::Encoding encoding, qsizetype skip)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder.decode(QByteArrayView(bytes).sliced(skip));
}

constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kComma = QLatin1Char(',');

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

} // namespace

QString DecodeExchangeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Decode(bytes, QStringConverter::Utf8, 3);
    if (bytes.startsWith("\xFF\xFE"))
        return Decode(bytes, QStringConverter::Utf16LE, 2);
    if (bytes.startsWith("\xFE\xFF"))
        return Decode(bytes, QStringConverter::Utf16BE, 2);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? DecodeCp1252(bytes) : text;
}

ExchangeLine ParseExchangeLine(QStringView line)
{
    QStringList columns;
    qsizetype at = 0;
    const qsizetype size = line.size();
    while (true) {
        while (at < size && IsBlank(line[at]))
            ++at;
        QString value;
        if (at < size && line[at] == kQuote) {
            const qsizetype opened = at++;
            bool closed = false;
            while (at < size) {
                if (line[at] == kQuote) {
                    if (at + 1 < size && line[at + 1] == kQuote) {
                        value += kQuote;
                        at += 2;
                        continue;
                    }
                    ++at;
                    closed = true;
                    break;
                }
                value += line[at++];
            }
            if (!closed)
                return {std::nullopt, QStringLiteral("column %1: the quote at character %2 is never closed")
                                          .arg(columns.size() + 1)
                                          .arg(opened + 1)};
            while (at < size && IsBlank(line[at]))
                ++at;
            if (at < size && line[at] != kComma)
                return {std::nullopt, QStringLiteral("column %1: text after its closing quote")
                                          .arg(columns.size() + 1)};
        } else {
            const qsizetype start = at;
            while (at < size && line[at] != kComma) {
                if (line[at] == kQuote)
                    return {std::nullopt, QStringLiteral("column %1: a quote inside an unquoted value")
                                              .arg(columns.size() + 1)};
                ++at;
            }
            value = line.mid(start, at - start).trimmed().toString();
        }
        columns.append(value);
        if (at >= size)
            break;
        ++at; // the comma
    }
    return {columns, QString()};
}

} // namespace vl
