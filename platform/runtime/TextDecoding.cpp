#include "platform/runtime/TextDecoding.h"

#include <QIODevice>
#include <QStringDecoder>

#include <array>

namespace vl {
namespace {

enum class Encoding { Utf8, Utf16LE, Utf16BE, Cp1252 };

constexpr qint64 kPieceBytes = 1 << 20;

// Windows-1252 at 0x80-0x9F; the bytes it leaves undefined map to the C1
// controls of the same number, as the system's own conversion does.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendCp1252(QByteArrayView bytes, QString& text)
{
    const qsizetype start = text.size();
    text.resize(start + bytes.size());
    char16_t* out = reinterpret_cast<char16_t*>(text.data()) + start;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = value >= 0x80 && value < 0xA0 ? kCp1252High[value - 0x80] : char16_t(value);
    }
}

QStringConverter::Encoding Converter(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf16LE: return QStringConverter::Utf16LE;
    case Encoding::Utf16BE: return QStringConverter::Utf16BE;
    default: break;
    }
    return QStringConverter::Utf8;
}

// Appends the decoded bytes; false when they are not valid text in the
// encoding. Pieces end on whole characters (WholeCharacters).
bool AppendDecoded(QByteArrayView bytes, Encoding encoding, QString& text)
{
    if (encoding == Encoding::Cp1252) {
        AppendCp1252(bytes, text);
        return true;
    }
    if (encoding != Encoding::Utf8 && bytes.size() % 2 != 0)
        return false; // half a UTF-16 unit
    QStringDecoder decoder(Converter(encoding), QStringConverter::Flag::Stateless);
    const qsizetype start = text.size();
    text.resize(start + decoder.requiredSpace(bytes.size()));
    QChar* end = decoder.appendToBuffer(text.data() + start, bytes);
    text.resize(end - text.constData());
    if (decoder.hasError())
        return false;
    // The UTF-16 decoder passes lone surrogates through.
    return encoding == Encoding::Utf8 || QStringView(text).sliced(start).isValidUtf16();
}

// How many of the bytes end on a whole character: a character cut at the end
// of a piece is left for the next one.
qsizetype WholeCharacters(QByteArrayView bytes, Encoding encoding)
{
    const qsizetype n = bytes.size();
    if (encoding == Encoding::Cp1252)
        return n;
    if (encoding == Encoding::Utf8) {
        for (qsizetype back = 1; back <= 4 && back <= n; ++back) {
            const auto byte = static_cast<unsigned char>(bytes[n - back]);
            if ((byte & 0xC0) == 0x80)
                continue; // a continuation byte
            const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            return length > back ? n - back : n;
        }
        return n;
    }
    qsizetype whole = n & ~qsizetype(1);
    if (whole >= 2) {
        const auto high = static_cast<unsigned char>(bytes[whole - (encoding == Encoding::Utf16LE ? 1 : 2)]);
        if (high >= 0xD8 && high <= 0xDB)
            whole -= 2; // the first half of a surrogate pair
    }
    return whole;
}

struct Mark {
    Encoding encoding;
    qsizetype size;
};

std::optional<Mark> MarkOf(QByteArrayView head)
{
    if (head.startsWith("\xEF\xBB\xBF"))
        return Mark{Encoding::Utf8, 3};
    if (head.startsWith("\xFF\xFE"))
        return Mark{Encoding::Utf16LE, 2};
    if (head.startsWith("\xFE\xFF"))
        return Mark{Encoding::Utf16BE, 2};
    return std::nullopt;
}

} // namespace

QString DamagedTextReason()
{
    return QStringLiteral("the file is marked as UTF-16 text but is damaged "
                          "(an odd number of bytes or a broken character pair)");
}

std::optional<QString> DecodeText(const QByteArray& bytes)
{
    QString text;
    if (const auto mark = MarkOf(bytes)) {
        if (!AppendDecoded(QByteArrayView(bytes).sliced(mark->size), mark->encoding, text))
            return std::nullopt;
        return text;
    }
    if (!AppendDecoded(bytes, Encoding::Utf8, text)) {
        text.clear();
        AppendCp1252(bytes, text);
    }
    return text;
}

struct TextPieceReader::State {
    std::unique_ptr<QIODevice> device;
    Encoding encoding = Encoding::Utf8;
    qsizetype markSize = 0;
    QByteArray carried; // the start of a character cut at the end of the last piece
    QByteArray bytes;
    QString error;
};

TextPieceReader::TextPieceReader(std::unique_ptr<QIODevice> device) : d_(std::make_unique<State>())
{
    d_->device = std::move(device);
}

TextPieceReader::~TextPieceReader() = default;
TextPieceReader::TextPieceReader(TextPieceReader&&) noexcept = default;
TextPieceReader& TextPieceReader::operator=(TextPieceReader&&) noexcept = default;

bool TextPieceReader::Open()
{
    State& d = *d_;
    if (!d.device->isOpen() && !d.device->open(QIODevice::ReadOnly)) {
        d.error = d.device->errorString();
        return false;
    }
    const QByteArray head = d.device->peek(3);
    if (const auto mark = MarkOf(head)) {
        d.encoding = mark->encoding;
        d.markSize = mark->size;
        return Rewind();
    }
    // No mark: UTF-8 only when every byte of the file reads as UTF-8.
    d.encoding = Encoding::Utf8;
    QString scratch;
    while (Read(scratch))
        scratch.clear();
    if (!d.error.isEmpty()) {
        d.error.clear();
        d.encoding = Encoding::Cp1252;
    }
    return Rewind();
}

bool TextPieceReader::Read(QString& text)
{
    State& d = *d_;
    if (!d.error.isEmpty())
        return false;
    d.bytes = d.carried;
    d.bytes += d.device->read(kPieceBytes);
    const bool last = d.device->atEnd();
    if (d.bytes.isEmpty())
        return false;
    const qsizetype whole = last ? d.bytes.size() : WholeCharacters(d.bytes, d.encoding);
    d.carried = d.bytes.sliced(whole);
    if (!AppendDecoded(QByteArrayView(d.bytes).first(whole), d.encoding, text)) {
        d.error = d.encoding == Encoding::Utf8 ? QStringLiteral("not UTF-8 text") : DamagedTextReason();
        return false;
    }
    return true;
}

bool TextPieceReader::Rewind()
{
    State& d = *d_;
    d.carried.clear();
    d.error.clear();
    if (!d.device->seek(d.markSize)) {
        d.error = d.device->errorString();
        return false;
    }
    return true;
}

qint64 TextPieceReader::Position() const
{
    return d_->device->pos();
}

qint64 TextPieceReader::Size() const
{
    return d_->device->size();
}

QString TextPieceReader::Error() const
{
    return d_->error;
}

} // namespace vl
