#pragma once
// The tokens of a script text line as the parser needs them: besides the
// text, whether the token was written between double quotes, so that an
// option word ("/MODAL", "WAIT=5") is told apart from a value that merely
// reads like one.

#include <QList>
#include <QString>
#include <QStringView>

namespace vl {

struct ScriptToken {
    QString text;       // after StripQuotes, a quoted token's tripled quotes made single
    bool quoted = false;
    qsizetype start = 0; // where the token begins in the arguments
};

QList<ScriptToken> SplitTokens(QStringView arguments);

} // namespace vl
