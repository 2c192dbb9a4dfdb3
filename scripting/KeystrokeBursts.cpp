#include "scripting/KeystrokeBursts.h"

#include "platform/runtime/FixedText.h"

#include <algorithm>

namespace vl {

QList<KeystrokePiece> KeystrokePieces(const QString& text, int burstSize)
{
    const qsizetype burst = std::max(1, burstSize);
    QList<KeystrokePiece> pieces;
    QString rest = text;
    while (!Clip(rest).isEmpty()) {
        const qsizetype open = rest.indexOf(u'[');
        const qsizetype close = open == 0 ? rest.indexOf(u']', 1) : -1;
        if (open < 0 || (open == 0 && close < 0)) {
            pieces.append({false, Clip(rest)});
            break;
        }
        if (open == 0) {
            pieces.append({true, rest.mid(1, close - 1)});
            rest.remove(0, close + 1);
            continue;
        }
        const qsizetype length = std::min(open, burst);
        pieces.append({false, rest.left(length)});
        rest.remove(0, length);
    }
    return pieces;
}

} // namespace vl
