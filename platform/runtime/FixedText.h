#pragma once
// Fixed-width text as stored records keep it: values are compared and stored
// clipped of trailing blanks, cut to their field width.

#include <QString>

namespace vl {

// The text without trailing blanks (the runtime's CLIP).
QString Clip(const QString& text);
// The first n characters (nothing for n <= 0).
QString CutTo(const QString& text, int n);
// Cut to n and padded with blanks to exactly n characters.
QString PadTo(const QString& text, int n);
// Upper-case form of the clipped text, the order of case-insensitive keys.
QString UpperClip(const QString& text);
// Clipped texts equal regardless of case.
bool SameTextNoCase(const QString& a, const QString& b);

} // namespace vl
