#pragma once
// One setting of the configuration store (Configuration, prefix CF).

#include <QString>

#include "platform/data/Record.h"
#include "platform/data/TableDef.h"

namespace vl {

struct ConfigurationRecord : RecordBase {
    QString DATATYPE;  // STRING(40) the setting's name, unique without regard to case
    QString DATAVALUE; // STRING(255) its value
};

// Keys of Configuration.
inline constexpr KeyRef CF_KEYDATATYPE{"CF:KEYDATATYPE"};

} // namespace vl
