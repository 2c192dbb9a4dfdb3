#include "exchange/ImexText.h"

#include "platform/runtime/Picture.h"
#include "platform/runtime/TextDecoding.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>

namespace vl {
namespace {

const QChar kQuote = QLatin1Char('"');
const QChar kComma = QLatin1Char(',');

QString Quoted(QString text)
{
    text.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + text + kQuote;
}

QString ClipTrailing(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    text.truncate(end);
    return text;
}

QString PlainText(const FieldValue& value)
{
    if (const auto* number = std::get_if<int64_t>(&value))
        return QString::number(*number);
    if (const auto* real = std::get_if<double>(&value))
        return QString::number(*real, 'g', 15);
    return std::get<QString>(value);
}

bool IsLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

} // namespace

PictureKind KindOfPicture(const QString& picture)
{
    const QStringView trimmed = QStringView(picture).trimmed();
    const QChar kind = trimmed.size() > 1 ? trimmed[1].toUpper() : QChar();
    if (kind == QLatin1Char('S'))
        return PictureKind::Text;
    if (kind == QLatin1Char('N'))
        return PictureKind::Number;
    return PictureKind::Formatted;
}

QString ImexValueText(const FieldValue& value, const QString& picture)
{
    switch (KindOfPicture(picture)) {
    case PictureKind::Text:
        return Quoted(ClipTrailing(PlainText(value)));
    case PictureKind::Number: {
        const QString text = PlainText(value).trimmed();
        const bool breaksLine = text.contains(kComma) || text.contains(kQuote)
                                || std::any_of(text.begin(), text.end(), IsLineBreak);
        return breaksLine ? Quoted(text) : text;
    }
    case PictureKind::Formatted:
        break;
    }
    if (const auto* text = std::get_if<QString>(&value))
        return Quoted(Picture::Format(*text, picture));
    const auto* number = std::get_if<int64_t>(&value);
    if (number && *number == 0 && Picture::Parse(picture).kind == Picture::Kind::Time)
        return Quoted(QString());
    if (const auto* real = std::get_if<double>(&value))
        return Quoted(Picture::Format(*real, picture));
    return Quoted(Picture::Format(std::get<int64_t>(value), picture));
}

QString ImexHeaderText(const QString& name)
{
    // The brackets are replaced first and the blanks clipped after, so a name
    // ending in "]" leaves no blank inside the quotes.
    QString text = name;
    if (text.contains(QLatin1Char('['))) {
        text.replace(kComma, QLatin1Char('_')).replace(QLatin1Char('['), QLatin1Char('_'));
        text.replace(QLatin1Char(']'), QLatin1Char(' '));
    }
    return Quoted(ClipTrailing(text));
}

struct ImexReader::Source {
    QString path;
    QByteArray bytes; // text in memory, as UTF-8
    bool inMemory = false;
};

ImexReader::ImexReader(std::shared_ptr<const Source> source) : source_(std::move(source)) {}
ImexReader::ImexReader(ImexReader&&) noexcept = default;
ImexReader& ImexReader::operator=(ImexReader&&) noexcept = default;
ImexReader::~ImexReader() = default;

ImexReader ImexReader::OfFile(const QString& path)
{
    auto source = std::make_shared<Source>();
    source->path = path;
    return ImexReader(std::move(source));
}

ImexReader ImexReader::OfText(const QString& text)
{
    auto source = std::make_shared<Source>();
    source->bytes = text.toUtf8();
    source->inMemory = true;
    return ImexReader(std::move(source));
}

ImexReader ImexReader::Again() const
{
    return ImexReader(source_);
}

QString ImexReader::Name() const
{
    return source_->path;
}

bool ImexReader::Open()
{
    std::unique_ptr<QIODevice> device;
    if (source_->inMemory) {
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(source_->bytes);
        device = std::move(buffer);
    } else {
        device = std::make_unique<QFile>(source_->path);
    }
    pieces_ = std::make_unique<TextPieceReader>(std::move(device));
    if (!pieces_->Open()) {
        error_ = source_->path + QStringLiteral(": ") + pieces_->Error();
        return false;
    }
    return Rewind();
}

bool ImexReader::Rewind()
{
    buffer_.clear();
    at_ = 0;
    ended_ = false;
    line_ = 1;
    decodedChars_ = 0;
    error_.clear();
    malformed_ = false;
    if (!pieces_->Rewind()) {
        error_ = source_->path + QStringLiteral(": ") + pieces_->Error();
        return false;
    }
    return true;
}

qint64 ImexReader::Position() const
{
    if (!pieces_ || decodedChars_ == 0)
        return 0;
    // The bytes read less those of the text not taken yet, at the file's
    // average bytes per character so far.
    const double bytesPerChar = double(pieces_->Position()) / double(decodedChars_);
    return std::max<qint64>(0, pieces_->Position() - qint64(double(buffer_.size() - at_) * bytesPerChar));
}

qint64 ImexReader::Size() const
{
    return pieces_ ? pieces_->Size() : 0;
}

bool ImexReader::Fail(int line, const QString& why)
{
    malformed_ = true;
    error_ = QStringLiteral("Line %1: %2").arg(line).arg(why);
    if (!source_->path.isEmpty())
        error_ = source_->path + QStringLiteral(", ") + error_;
    return false;
}

bool ImexReader::Next(ImexRecord& record)
{
    for (;;) {
        if (!error_.isEmpty())
            return false;
        if (at_ < buffer_.size() || ended_) {
            if (at_ >= buffer_.size())
                return false; // the end of the text
            const int line = line_;
            switch (Parse(record)) {
            case Outcome::Record: return true;
            case Outcome::Blank: continue;
            case Outcome::Malformed: return false;
            case Outcome::NeedMore: line_ = line; break;
            }
        }
        // The record runs past the text read so far: read on, keeping only
        // the part not taken yet.
        buffer_.remove(0, at_);
        at_ = 0;
        const qsizetype held = buffer_.size();
        const bool read = pieces_->Read(buffer_);
        decodedChars_ += buffer_.size() - held;
        if (!read) {
            if (!pieces_->Error().isEmpty()) {
                error_ = source_->path + QStringLiteral(": ") + pieces_->Error();
                return false;
            }
            ended_ = true;
        }
    }
}

ImexReader::Outcome ImexReader::Parse(ImexRecord& record)
{
    const auto* b = reinterpret_cast<const char16_t*>(buffer_.constData());
    const qsizetype n = buffer_.size();
    const auto blank = [b](qsizetype k) { return b[k] == u' ' || b[k] == u'\t' || b[k] == u'\r'; };
    qsizetype i = at_;

    qsizetype k = i;
    while (k < n && blank(k))
        ++k;
    if (k >= n && !ended_)
        return Outcome::NeedMore;
    if (k >= n || b[k] == u'\n') { // a blank line holds no record
        at_ = k < n ? k + 1 : n;
        ++line_;
        return Outcome::Blank;
    }

    record.line = line_;
    record.text_.resize(0); // keeps its room for the next record
    record.fields_.clear();
    for (;;) {
        ImexRecord::Field field;
        field.start = record.text_.size();
        if (i < n && b[i] == u'"') {
            field.quoted = true;
            ++i;
            for (;;) {
                const qsizetype q = QStringView(buffer_).indexOf(kQuote, i);
                if (q < 0) {
                    if (!ended_)
                        return Outcome::NeedMore;
                    Fail(record.line,
                         QStringLiteral("field %1 has no closing quote").arg(record.fields_.size() + 1));
                    return Outcome::Malformed;
                }
                if (q + 1 >= n && !ended_)
                    return Outcome::NeedMore; // a doubled quote may follow
                line_ += static_cast<int>(std::count(b + i, b + q, u'\n'));
                record.text_.append(QStringView(b + i, q - i));
                if (q + 1 < n && b[q + 1] == u'"') {
                    record.text_.append(kQuote);
                    i = q + 2;
                    continue;
                }
                i = q + 1;
                break;
            }
            while (i < n && blank(i))
                ++i;
            if (i >= n && !ended_)
                return Outcome::NeedMore;
            if (i < n && b[i] != u',' && b[i] != u'\n') {
                Fail(line_, QStringLiteral("text after the closing quote of field %1").arg(record.fields_.size() + 1));
                return Outcome::Malformed;
            }
        } else {
            const qsizetype start = i;
            while (i < n && b[i] != u',' && b[i] != u'\n')
                ++i;
            if (i >= n && !ended_)
                return Outcome::NeedMore;
            const qsizetype end = i > start && b[i - 1] == u'\r' ? i - 1 : i;
            record.text_.append(QStringView(b + start, end - start));
        }
        field.length = record.text_.size() - field.start;
        record.fields_.push_back(field);
        if (i >= n || b[i] != u',')
            break; // the end of the line or of the text
        ++i;
        // Nothing but blanks after the comma: no field there.
        k = i;
        while (k < n && blank(k))
            ++k;
        if (k >= n && !ended_)
            return Outcome::NeedMore;
        if (k >= n || b[k] == u'\n') {
            i = k;
            break;
        }
    }
    if (i < n) { // the line break
        ++i;
        ++line_;
    }
    at_ = i;
    return Outcome::Record;
}

QString DeformatImexField(const QString& text, const QString& picture)
{
    if (KindOfPicture(picture) != PictureKind::Formatted)
        return text;
    return Picture::Deformat(text, picture);
}

} // namespace vl
