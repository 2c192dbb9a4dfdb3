#pragma once
// The text of an exchange file, decoded and split into checked lines: the
// encoding is read from a byte-order mark (UTF-8, UTF-16 LE or BE), else
// UTF-8 when the bytes are valid UTF-8, else Windows-1252. A line is
// comma-separated columns, each quoted (a doubled quote inside stands for
// one) or bare (numbers); a line that is not is malformed, with the reason.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace vl {

QString DecodeExchangeText(const QByteArray& bytes);

struct ExchangeLine {
    std::optional<QStringList> columns; // empty when malformed
    QString problem;                    // why it is malformed
};

ExchangeLine ParseExchangeLine(QStringView line);

} // namespace vl
