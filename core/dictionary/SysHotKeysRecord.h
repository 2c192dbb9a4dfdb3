#pragma once
// One system-wide hot key (SysHotKeys, prefix HOT).

#include <cstdint>

#include <QString>

#include "platform/data/Record.h"
#include "platform/data/TableDef.h"

namespace vl {

struct SysHotKeysRecord : RecordBase {
    int32_t ID = 0;       // LONG ID of the linked task (SCH:ID), unique
    QString HotKey;       // STRING(20) key combination text, unique
    uint8_t ACTIVE = 0;   // BYTE 1 = registered
    QString Description;  // STRING(40)
    QString QuickText;    // STRING(40)
    QString Action;       // STRING(4) action word
    QString TEXTTYPE;     // STRING(30) how text is put out
    QString Text;         // memo, 10000
};

// Keys of SysHotKeys.
inline constexpr KeyRef HOT_K_HOTKEY{"HOT:K_HOTKEY"};
inline constexpr KeyRef HOT_K_ID{"HOT:K_ID"};
inline constexpr KeyRef HOT_K_ACTIVE{"HOT:K_ACTIVE"};
inline constexpr KeyRef HOT_K_DESCRIPTION{"HOT:K_DESCRIPTION"};

} // namespace vl
