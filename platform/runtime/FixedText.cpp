#include "platform/runtime/FixedText.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace vl {
namespace {

bool HasHalfCharacter(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

// The last place at or before n where a character (a grapheme cluster)
// ends. Whether one ends at n depends on what precedes n and on the one
// character after it, which may be a surrogate pair.
qsizetype CharacterEnd(const QString& text, qsizetype n)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, QStringView(text).left(n + 2));
    finder.setPosition(n);
    if (finder.isAtBoundary())
        return n;
    return std::max<qsizetype>(finder.toPreviousBoundary(), 0);
}

} // namespace

QString Clip(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

QString WholeCharacters(const QString& text)
{
    if (!HasHalfCharacter(text))
        return text;
    QString whole;
    whole.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            whole += c;
            whole += text[++i];
        } else if (!c.isSurrogate()) {
            whole += c;
        }
    }
    return whole;
}

QString CutTo(const QString& text, int n)
{
    if (n <= 0)
        return QString();
    const QString whole = WholeCharacters(text);
    return whole.size() <= n ? whole : whole.left(CharacterEnd(whole, n));
}

QString FitEdit(const QString& text, int& cursor, int width)
{
    if (text.size() <= width && !HasHalfCharacter(text))
        return text;
    const qsizetype over = text.size() - std::max(width, 0);
    const qsizetype at = std::clamp<qsizetype>(cursor, 0, text.size());
    if (over > at) { // not an insertion before the cursor: the end goes
        QString cut = CutTo(text, width);
        cursor = static_cast<int>(std::min<qsizetype>(at, cut.size()));
        return cut;
    }
    const QString kept = CutTo(text.left(at), static_cast<int>(at - std::max<qsizetype>(over, 0)));
    cursor = static_cast<int>(kept.size());
    return CutTo(kept + text.mid(at), width);
}

QString PadTo(const QString& text, int n)
{
    return CutTo(text, n).leftJustified(qMax(n, 0), QLatin1Char(' '));
}

QString UpperClip(const QString& text)
{
    return Clip(text).toUpper();
}

bool SameTextNoCase(const QString& a, const QString& b)
{
    return UpperClip(a) == UpperClip(b);
}

} // namespace vl
