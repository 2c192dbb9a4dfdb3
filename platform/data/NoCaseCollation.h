#pragma once
// The order of case-insensitive key parts: texts compare clipped of trailing
// blanks, then by their Unicode upper-case forms in code-point order. It is
// registered on every connection under kNoCaseCollation.

#include <QByteArray>
#include <QString>

struct sqlite3;

namespace vl {

inline constexpr const char* kNoCaseCollation = "VL_NOCASE";

// <0, 0, >0 as a sorts before, with or after b (UTF-8 texts).
int CompareNoCase(const char* a, int aLength, const char* b, int bLength);
int CompareNoCase(const QByteArray& a, const QByteArray& b);

// Registers the collation on a connection; false when the engine refused it.
bool RegisterNoCaseCollation(sqlite3* db);

// A text naming the case rules the collation follows (the Unicode version):
// keys ordered under another version must be rebuilt.
QString NoCaseCollationVersion();

} // namespace vl
