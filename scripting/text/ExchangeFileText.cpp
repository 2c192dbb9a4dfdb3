#include "scripting/text/ExchangeFileText.h"

namespace vl {
namespace {

constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kComma = QLatin1Char(',');

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

} // namespace

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
