#include "platform/runtime/FixedText.h"

namespace vl {

QString Clip(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

QString CutTo(const QString& text, int n)
{
    return n <= 0 ? QString() : text.left(n);
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
