#pragma once
// The tables the message program works with, declared as the main program
// declares them so that both read and write the same stored records:
// MsgLink (the hand-over, in MsgLink.TPS), Configuration (the settings, read
// only), Schedule (snoozed messages) and Todo (to-do items), all in the data
// directory, which is the message program's current directory.

#include "core/dictionary/ConfigurationRecord.h"
#include "core/dictionary/MsgLinkRecord.h"
#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/TableDefinitions.h"
#include "core/dictionary/TodoRecord.h"
#include "platform/data/Table.h"

namespace vl {

struct MessageProgramTables {
    Table<MsgLinkRecord> msgLink{MsgLinkDefinition()};
    Table<ConfigurationRecord> configuration{ConfigurationDefinition()};
    Table<ScheduleRecord> schedule{ScheduleDefinition()};
    Table<TodoRecord> todo{TodoDefinition()};
};

// Opens a table shared for reading and writing; a file another program
// holds locked is tried up to 10 times. A missing file is not created.
bool OpenShared(TableFile& table);

} // namespace vl
