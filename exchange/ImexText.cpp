#include "exchange/ImexText.h"

#include "platform/runtime/Picture.h"
#include "platform/runtime/TextDecoding.h"

#include <QFile>

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
    const QString trimmed = picture.trimmed();
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
    QString text = ClipTrailing(name);
    if (text.contains(QLatin1Char('['))) {
        text.replace(kComma, QLatin1Char('_')).replace(QLatin1Char('['), QLatin1Char('_'));
        text.replace(QLatin1Char(']'), QLatin1Char(' '));
    }
    return Quoted(text);
}

ImexFile ParseImexText(const QString& text)
{
    ImexFile file;
    const qsizetype n = text.size();
    qsizetype i = 0;
    int line = 1;
    auto fail = [&file](int at, const QString& why) {
        file.records.clear();
        file.malformed = true;
        file.error = QStringLiteral("Line %1: %2").arg(at).arg(why);
        return file;
    };
    while (i < n) {
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), i);
        const QStringView rest = QStringView(text).mid(i, (lineEnd < 0 ? n : lineEnd) - i);
        if (rest.trimmed().isEmpty()) { // a blank line holds no record
            i = lineEnd < 0 ? n : lineEnd + 1;
            ++line;
            continue;
        }
        ImexRecord record;
        record.line = line;
        for (;;) {
            ImexField field;
            if (i < n && text[i] == kQuote) {
                field.quoted = true;
                ++i;
                for (;;) {
                    if (i >= n)
                        return fail(record.line, QStringLiteral("field %1 has no closing quote")
                                                     .arg(record.fields.size() + 1));
                    if (text[i] == kQuote) {
                        if (i + 1 < n && text[i + 1] == kQuote) {
                            field.text += kQuote;
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == QLatin1Char('\n'))
                        ++line;
                    field.text += text[i++];
                }
                while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
                    ++i;
                if (i < n && text[i] == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                    ++i;
                if (i < n && text[i] != kComma && text[i] != QLatin1Char('\n'))
                    return fail(line, QStringLiteral("text after the closing quote of field %1")
                                          .arg(record.fields.size() + 1));
            } else {
                const qsizetype start = i;
                while (i < n && text[i] != kComma && text[i] != QLatin1Char('\n'))
                    ++i;
                field.text = text.mid(start, i - start);
                if (field.text.endsWith(QLatin1Char('\r')))
                    field.text.chop(1);
            }
            record.fields.push_back(field);
            if (i < n && text[i] == kComma) {
                ++i;
                continue;
            }
            break; // the end of the line or of the text
        }
        file.records.push_back(std::move(record));
        if (i < n) { // the line break
            ++i;
            ++line;
        }
    }
    file.ok = true;
    return file;
}

ImexFile ReadImexFile(const QString& path)
{
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        ImexFile file;
        file.error = path + QStringLiteral(": ") + input.errorString();
        return file;
    }
    ImexFile file = ParseImexText(DecodeText(input.readAll()));
    if (!file.ok)
        file.error = path + QStringLiteral(", ") + file.error;
    return file;
}

QString DeformatImexField(const QString& text, const QString& picture)
{
    if (KindOfPicture(picture) != PictureKind::Formatted)
        return text;
    return Picture::Deformat(text, picture);
}

} // namespace vl
