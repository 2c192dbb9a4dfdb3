#include "platform/data/NoCaseCollation.h"

#include <QString>

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
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
    // Upper-casing maps each character on its own, so equal bytes are passed
    // over at once (keys compare many equal texts) and only the rest from the
    // first character that differs beyond ASCII case needs the full mapping.
    const int common = std::min(aLength, bLength);
    int i = 0;
    for (uint64_t wordA = 0, wordB = 0; i + 8 <= common; i += 8) {
        std::memcpy(&wordA, a + i, 8);
        std::memcpy(&wordB, b + i, 8);
        if (wordA != wordB)
            break;
    }
    for (; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca == cb)
            continue;
        if (ca >= 0x80 || cb >= 0x80) {
            // Back to the start of the character whose bytes differ.
            while (i > 0 && (static_cast<unsigned char>(a[i]) & 0xC0) == 0x80)
                --i;
            return CompareUpperSlow(a + i, aLength - i, b + i, bLength - i);
        }
        const unsigned char ua = AsciiUpper(ca);
        const unsigned char ub = AsciiUpper(cb);
        if (ua != ub)
            return ua < ub ? -1 : 1;
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
