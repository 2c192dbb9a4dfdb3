#pragma once
// Fixed-width text as stored records keep it: values are compared and stored
// clipped of trailing blanks, cut to their field width. A width counts UTF-16
// units, as stored files always have; every cut ends on a whole character.

#include <QString>

namespace vl {

// The text without trailing blanks (the runtime's CLIP).
QString Clip(const QString& text);
// The text without halves of characters (a surrogate without its partner),
// which no encoding can store: UTF-8 would turn them into "?".
QString WholeCharacters(const QString& text);
// The text, without halves of characters, cut to at most n units (nothing
// for n <= 0) where a character ends: never inside a surrogate pair, never
// between a letter and the combining marks that follow it.
QString CutTo(const QString& text, int n);
// What an entry of `width` units keeps of an edit that left `text` with the
// cursor after what was typed or pasted: as much of the inserted text as
// fits, cut where a character ends; the cursor stays after what was kept.
QString FitEdit(const QString& text, int& cursor, int width);
// Cut to n and padded with blanks to exactly n characters.
QString PadTo(const QString& text, int n);
// Upper-case form of the clipped text, the order of case-insensitive keys.
QString UpperClip(const QString& text);
// Clipped texts equal regardless of case.
bool SameTextNoCase(const QString& a, const QString& b);

} // namespace vl
