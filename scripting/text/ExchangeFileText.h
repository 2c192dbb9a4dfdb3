#pragma once
// The lines of an exchange file (decoded with DecodeText), checked: a line is
// comma-separated columns, each quoted (a doubled quote inside stands for
// one) or bare (numbers); a line that is not is malformed, with the reason.

#include <QString>
#include <QStringList>

#include <optional>

namespace vl {

struct ExchangeLine {
    std::optional<QStringList> columns; // empty when malformed
    QString problem;                    // why it is malformed
};

ExchangeLine ParseExchangeLine(QStringView line);

} // namespace vl
