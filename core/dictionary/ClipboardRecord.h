#pragma once
// One saved clipboard entry (Clipboard, prefix CLI).

#include <cstdint>

#include <QString>

#include "platform/data/Record.h"
#include "platform/data/TableDef.h"
#include "platform/runtime/Calendar.h"

namespace vl {

struct ClipboardRecord : RecordBase {
    QString Abbreviation;     // STRING(20) short name
    QString Category;         // STRING(20) clipboard category (ClipboardCategories)
    vl::Date ClipDate = 0;    // LONG date captured
    ClockTime ClipTime = 0;   // LONG time captured
    QString ClipHashKey;      // STRING(120) hash of the contents, unique
    uint8_t ClipKeep = 0;     // BYTE 1 = keep this entry
    QString ClipContents;     // memo, 8192
};

// Keys of Clipboard; KEYCLIPDATE runs newest first.
inline constexpr KeyRef CLI_KEYCLIPDATE{"CLI:KEYCLIPDATE"};
inline constexpr KeyRef CLI_KEYCLIPKEEP{"CLI:KEYCLIPKEEP"};
inline constexpr KeyRef CLI_KEYCATEGORY{"CLI:KEYCATEGORY"};
inline constexpr KeyRef CLI_KEYABBREVIATION{"CLI:KEYABBREVIATION"};
inline constexpr KeyRef CLI_KEYCLIPHASH{"CLI:KEYCLIPHASH"};

// The program's one Clipboard record buffer: the entry last captured from
// the clipboard or put back on it at start-up, so that clipboard capture
// never stores the same text twice.
inline ClipboardRecord ClipboardBuffer;

} // namespace vl
