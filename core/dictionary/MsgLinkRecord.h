#pragma once
// One message handed over to the message program (MsgLink, prefix ML, in its
// own file MsgLink.TPS).

#include <cstdint>

#include <QString>

#include "platform/data/Record.h"
#include "platform/data/TableDef.h"

namespace vl {

struct MsgLinkRecord : RecordBase {
    int32_t ID = 0;    // LONG unique, auto-numbered
    QString TITLE;     // STRING(60)
    QString MESSAGE;   // STRING(4096), a field of the record, not a memo
    QString ALARMFILE; // STRING(255)
};

// Keys of MsgLink.
inline constexpr KeyRef ML_K_ID{"ML:K_ID"};

} // namespace vl
