#pragma once
// The font of the message text, kept in section "Preserved" of the message
// program's INI file: typeface (32 characters), style, colour and size in
// points. The style is the weight (100 to 900) plus 4096 for italic, 8192
// for underline and 16384 for strike-out; the colour is 0xBBGGRR.

#include "platform/runtime/IniFile.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>

namespace vl {

struct MessageFont {
    QString typeface; // blank: the text keeps the window's own font
    int32_t style = 0;
    int32_t colour = 0;
    int32_t points = 0;
};

// Blank and 0 for a missing file or entry.
MessageFont LoadMessageFont(const IniFile& ini);
// Writes all four entries, changed or not; false when the file could not be
// written.
bool SaveMessageFont(IniFile& ini, const MessageFont& font);

QFont FontOf(const MessageFont& font);
QColor ColourOf(const MessageFont& font);
MessageFont MessageFontOf(const QFont& font, const QColor& colour);

} // namespace vl
