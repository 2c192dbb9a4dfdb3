#pragma once
// One to-do item (Todo, prefix TDO); a synchronisation file's SyncTodo table
// has the same layout and uses this type too.

#include <cstdint>

#include <QString>

#include "platform/data/Record.h"
#include "platform/data/TableDef.h"
#include "platform/runtime/Calendar.h"

namespace vl {

struct TodoRecord : RecordBase {
    uint8_t Done = 0;               // BYTE 1 = done
    uint8_t Priority = 0;           // BYTE 1 to 10 (checked on validation)
    QString Category;               // STRING(20) category (Categories)
    QString ToDo;                   // STRING(80) the item text
    vl::Date CompletionDate = 0;    // LONG
    ClockTime CompletionTime = 0;   // LONG
    QString NETWORKUSER;            // STRING(30) user who last changed it
    vl::Date LASTCHANGEDATE = 0;    // LONG
    ClockTime LASTCHANGETIME = 0;   // LONG
    int32_t ORIGINALID = 0;         // LONG synchronisation identity
    QString Notes;                  // memo, 4096
    QString Resolution;             // memo, 1000
};

// Keys of Todo; the first three compare text case-sensitively.
inline constexpr KeyRef TDO_KEYDONE{"TDO:KEYDONE"};
inline constexpr KeyRef TDO_KEYPRIORITY{"TDO:KEYPRIORITY"};
inline constexpr KeyRef TDO_KEYTODO{"TDO:KEYTODO"};
inline constexpr KeyRef TDO_KEYCATEGORY{"TDO:KEYCATEGORY"};

// Keys of SyncTodo.
inline constexpr KeyRef STDO_KEYDONE{"STDO:KEYDONE"};
inline constexpr KeyRef STDO_KEYPRIORITY{"STDO:KEYPRIORITY"};
inline constexpr KeyRef STDO_KEYTODO{"STDO:KEYTODO"};
inline constexpr KeyRef STDO_KEYCATEGORY{"STDO:KEYCATEGORY"};

} // namespace vl
