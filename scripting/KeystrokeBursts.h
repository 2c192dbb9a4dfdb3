#pragma once
// How a keystroke text goes out: plain text in bursts of at most BurstSize
// characters and each bracketed group on its own, every piece after one
// pause. "abc[ENTER]def" with bursts of 2 is "ab", "c", group "ENTER",
// "def" (the last plain piece goes whole).

#include <QList>
#include <QString>

namespace vl {

struct KeystrokePiece {
    bool group = false; // a bracketed group (key combination or keyword)
    QString text;
    bool operator==(const KeystrokePiece&) const = default;
};

// A "[" without a "]" after it opens no group: from it on the text is one
// plain piece. A burst size below 1 counts as 1.
QList<KeystrokePiece> KeystrokePieces(const QString& text, int burstSize);

} // namespace vl
