#include "backup/ZipListingText.h"

namespace vl {

Date DateFromDos(uint16_t dosDate)
{
    return MakeDate((dosDate >> 5) & 0xF, dosDate & 0x1F, (dosDate >> 9) + 1980);
}

ClockTime TimeFromDos(uint16_t dosTime)
{
    return MakeClock(dosTime >> 11, (dosTime >> 5) & 0x3F, 2 * (dosTime & 0x1F));
}

QString CrcText(uint32_t crc)
{
    return QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0'));
}

QString AttributeText(uint32_t attributes)
{
    QString text(7, QLatin1Char(' '));
    if (attributes & 0x1)
        text[0] = QLatin1Char('r');
    if (attributes & 0x2)
        text[1] = QLatin1Char('h');
    if (attributes & 0x4)
        text[2] = QLatin1Char('s');
    if (attributes & 0x20)
        text[3] = QLatin1Char('a');
    if (attributes & 0x8)
        text[4] = QLatin1Char('V');
    else if (attributes & 0x10)
        text[4] = QLatin1Char('D');
    if (attributes & 0x4000)
        text[5] = QLatin1Char('+');
    return text;
}

QString MethodName(int method, uint16_t optionFlags)
{
    static const char* const kNames[] = {"Stored",   "Shrunk",   "Reduced1", "Reduced2",
                                         "Reduced3", "Reduced4", "Imploded", "Tokenized"};
    if (method >= 0 && method < 8)
        return QString::fromLatin1(kNames[method]);
    if (method != 8)
        return QStringLiteral("Undefined");
    switch (optionFlags) {
    case 0:
        return QStringLiteral("DeflatedN");
    case 2:
        return QStringLiteral("DeflatedX");
    case 4:
        return QStringLiteral("DeflatedF");
    case 6:
        return QStringLiteral("DeflatedS");
    default:
        return QString();
    }
}

} // namespace vl
