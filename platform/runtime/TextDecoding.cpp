#include "platform/runtime/TextDecoding.h"

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

} // namespace

QString DecodeText(const QByteArray& bytes)
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

} // namespace vl
