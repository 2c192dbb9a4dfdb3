#include "message/MessageFont.h"

#include "core/settings/SettingValues.h"
#include "platform/runtime/FixedText.h"

namespace vl {

namespace {

constexpr char kSection[] = "Preserved";
constexpr char kTypeface[] = "CurrentFont:Font";
constexpr char kStyle[] = "CurrentFont:Style";
constexpr char kColour[] = "CurrentFont:Color";
constexpr char kPoints[] = "CurrentFont:Point";
constexpr int kTypefaceWidth = 32;
constexpr int32_t kItalic = 0x1000;
constexpr int32_t kUnderline = 0x2000;
constexpr int32_t kStrikeOut = 0x4000;
constexpr int32_t kWeightMask = 0x0fff;
constexpr int kNormalWeight = 400;

} // namespace

MessageFont LoadMessageFont(const IniFile& ini)
{
    const auto get = [&](const char* entry) { return ini.Get(QLatin1String(kSection), QLatin1String(entry)); };
    MessageFont font;
    font.typeface = CutTo(get(kTypeface), kTypefaceWidth);
    font.style = SettingNumber(get(kStyle));
    font.colour = SettingNumber(get(kColour));
    font.points = SettingNumber(get(kPoints));
    return font;
}

bool SaveMessageFont(IniFile& ini, const MessageFont& font)
{
    const auto put = [&](const char* entry, const QString& value) {
        return ini.Put(QLatin1String(kSection), QLatin1String(entry), value);
    };
    bool written = put(kTypeface, Clip(font.typeface));
    written = put(kStyle, QString::number(font.style)) && written;
    written = put(kColour, QString::number(font.colour)) && written;
    written = put(kPoints, QString::number(font.points)) && written;
    return written;
}

QFont FontOf(const MessageFont& font)
{
    QFont result(Clip(font.typeface));
    if (font.points > 0)
        result.setPointSize(font.points);
    const int weight = font.style & kWeightMask;
    result.setWeight(static_cast<QFont::Weight>(weight >= 100 && weight <= 900 ? weight : kNormalWeight));
    result.setItalic((font.style & kItalic) != 0);
    result.setUnderline((font.style & kUnderline) != 0);
    result.setStrikeOut((font.style & kStrikeOut) != 0);
    return result;
}

QColor ColourOf(const MessageFont& font)
{
    return QColor(font.colour & 0xff, (font.colour >> 8) & 0xff, (font.colour >> 16) & 0xff);
}

MessageFont MessageFontOf(const QFont& font, const QColor& colour)
{
    MessageFont result;
    result.typeface = CutTo(font.family(), kTypefaceWidth);
    result.points = font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF());
    result.style = static_cast<int32_t>(font.weight()) | (font.italic() ? kItalic : 0) |
                   (font.underline() ? kUnderline : 0) | (font.strikeOut() ? kStrikeOut : 0);
    result.colour = colour.red() | (colour.green() << 8) | (colour.blue() << 16);
    return result;
}

} // namespace vl
