#include "platform/runtime/DelimitedText.h"

#include <QFile>
#include <QSaveFile>

namespace vl {
namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");
const QByteArray kLineEnd("\r\n");

// Spaces and tabs are blanks, unless the tab is the separator itself.
bool IsBlank(QChar c, const DelimitedSyntax& syntax)
{
    return (c == QLatin1Char(' ') || c == QLatin1Char('\t')) && c != syntax.separator;
}

QStringView TrimBlanks(QStringView text, const DelimitedSyntax& syntax)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin], syntax))
        ++begin;
    while (end > begin && IsBlank(text[end - 1], syntax))
        --end;
    return text.mid(begin, end - begin);
}

QString FileError(const QString& path, const QString& reason)
{
    return QStringLiteral("%1: %2").arg(path, reason);
}

QByteArray RecordBytes(const QStringList& fields, const DelimitedSyntax& syntax)
{
    return FormatDelimitedLine(fields, syntax).toUtf8() + kLineEnd;
}

} // namespace

QStringList ParseDelimitedLine(QStringView line, const DelimitedSyntax& syntax)
{
    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
        line.chop(1);

    QStringList fields;
    const qsizetype n = line.size();
    qsizetype i = 0;
    for (;;) {
        while (i < n && IsBlank(line[i], syntax))
            ++i;
        QString value;
        if (i < n && line[i] == syntax.quote) {
            ++i;
            while (i < n) {
                if (line[i] == syntax.quote) {
                    if (i + 1 < n && line[i + 1] == syntax.quote) {
                        value += syntax.quote;
                        i += 2;
                        continue;
                    }
                    ++i; // the closing quote
                    break;
                }
                value += line[i++];
            }
        }
        const qsizetype rest = i;
        while (i < n && line[i] != syntax.separator)
            ++i;
        value += TrimBlanks(line.mid(rest, i - rest), syntax);
        fields.append(value);
        if (i >= n)
            break;
        ++i; // the separator
    }
    return fields;
}

QString FormatDelimitedLine(const QStringList& fields, const DelimitedSyntax& syntax)
{
    const QString quote(syntax.quote);
    const QString doubledQuote = quote + quote;
    QString line;
    for (qsizetype f = 0; f < fields.size(); ++f) {
        if (f > 0)
            line += syntax.separator;
        QString value = fields[f];
        value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        value.replace(quote, doubledQuote);
        line += quote + value + quote;
    }
    return line;
}

DelimitedReadResult ReadDelimitedFile(const QString& path, const DelimitedSyntax& syntax)
{
    DelimitedReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = FileError(path, file.errorString());
        return result;
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = FileError(path, file.errorString());
        return result;
    }
    if (data.startsWith(kByteOrderMark))
        data.remove(0, kByteOrderMark.size());

    const QString text = QString::fromUtf8(data);
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty())
            continue;
        result.records.append(ParseDelimitedLine(line, syntax));
    }
    result.ok = true;
    return result;
}

bool WriteDelimitedFile(const QString& path, const QList<QStringList>& records,
                        const DelimitedSyntax& syntax, QString* error)
{
    QByteArray data;
    for (const QStringList& record : records)
        data += RecordBytes(record, syntax);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        if (error)
            *error = FileError(path, file.errorString());
        return false;
    }
    return true;
}

bool AppendDelimitedRecord(const QString& path, const QStringList& fields,
                           const DelimitedSyntax& syntax, QString* error)
{
    const QByteArray data = RecordBytes(fields, syntax);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(data) != data.size() || !file.flush()) {
        if (error)
            *error = FileError(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace vl
