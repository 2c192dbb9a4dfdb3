#include "platform/data/NoCaseCollation.h"

#include <QString>

#include <sqlite3.h>

#include <cstring>

namespace vl {

namespace {

int ClippedLength(const char* text, int length)
{
    while (length > 0 && text[length - 1] == ' ')
        --length;
    return length;
}

unsigned char AsciiUpper(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - ('a' - 'A')) : c;
}

int CompareUpperSlow(const char* a, int aLength, const char* b, int bLength)
{
    const QByteArray upperA = QString::fromUtf8(a, aLength).toUpper().toUtf8();
    const QByteArray upperB = QString::fromUtf8(b, bLength).toUpper().toUtf8();
    // UTF-8 byte order is code-point order.
    const int common = static_cast<int>(std::min(upperA.size(), upperB.size()));
    const int result = std::memcmp(upperA.constData(), upperB.constData(), static_cast<size_t>(common));
    if (result != 0)
        return result;
    return static_cast<int>(upperA.size() - upperB.size());
}

int Collate(void*, int aLength, const void* a, int bLength, const void* b)
{
    return CompareNoCase(static_cast<const char*>(a), aLength, static_cast<const char*>(b), bLength);
}

} // namespace

int CompareNoCase(const char* a, int aLength, const char* b, int bLength)
{
    aLength = ClippedLength(a, aLength);
    bLength = ClippedLength(b, bLength);
    // Upper-casing maps each character on its own, so an equal ASCII prefix
    // can be passed over quickly and only the rest needs the full mapping.
    int i = 0;
    while (i < aLength && i < bLength) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca >= 0x80 || cb >= 0x80)
            return CompareUpperSlow(a + i, aLength - i, b + i, bLength - i);
        const unsigned char ua = AsciiUpper(ca);
        const unsigned char ub = AsciiUpper(cb);
        if (ua != ub)
            return ua < ub ? -1 : 1;
        ++i;
    }
    // One text is a prefix of the other; upper-casing never empties a character.
    return aLength == bLength ? 0 : (aLength < bLength ? -1 : 1);
}

int CompareNoCase(const QByteArray& a, const QByteArray& b)
{
    return CompareNoCase(a.constData(), static_cast<int>(a.size()), b.constData(), static_cast<int>(b.size()));
}

bool RegisterNoCaseCollation(sqlite3* db)
{
    return sqlite3_create_collation_v2(db, kNoCaseCollation, SQLITE_UTF8, nullptr, &Collate, nullptr) == SQLITE_OK;
}

QString NoCaseCollationVersion()
{
    return QStringLiteral("unicode-%1").arg(static_cast<int>(QChar::currentUnicodeVersion()));
}

} // namespace vl
