#include "scripting/run/KeystrokeBursts.h"

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
        if (open < 0) {
            pieces.append({false, Clip(rest)});
            break;
        }
        if (open == 0) {
            rest.remove(0, 1);
            const qsizetype close = rest.indexOf(u']', 1);
            if (close >= 0) {
                pieces.append({true, rest.left(close)});
                rest.remove(0, close + 1);
            }
            continue;
        }
        const qsizetype length = std::min(open, burst);
        pieces.append({false, rest.left(length)});
        rest.remove(0, length);
    }
    return pieces;
}

} // namespace vl
