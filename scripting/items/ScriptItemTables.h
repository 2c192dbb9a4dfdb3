#pragma once
// The two tables of script items share one layout apart from the owner: a
// task's items (Scripting) belong to SCR:ID, a template's
// (ScriptTemplateDetails) to VLD:WIZ_ID. The routines that work on either
// learn from here which field and key hold the owner, and read an owner's
// items in their order.

#include "core/dictionary/ScriptTemplateRecords.h"
#include "core/dictionary/ScriptingRecord.h"
#include "platform/data/DataError.h"
#include "platform/data/Table.h"

#include <cstdint>
#include <vector>

namespace vl {

template <class R>
struct ScriptItemTable;

template <>
struct ScriptItemTable<ScriptingRecord> {
    static constexpr KeyRef kKey = SCR_KEYID;
    static constexpr char kKeyLabel[] = "Scripting, SCR:KeyID";
    static constexpr char kOwnerField[] = "SCR:ID";
    static constexpr char kSequenceField[] = "SCR:Sequence";
    static int32_t& Owner(ScriptingRecord& item) { return item.ID; }
};

template <>
struct ScriptItemTable<ScriptTemplateDetailsRecord> {
    static constexpr KeyRef kKey = VLD_K_WIZ_ID;
    static constexpr char kKeyLabel[] = "ScriptTemplateDetails, VLD:K_WIZ_ID";
    static constexpr char kOwnerField[] = "VLD:WIZ_ID";
    static constexpr char kSequenceField[] = "VLD:Sequence";
    static int32_t& Owner(ScriptTemplateDetailsRecord& item) { return item.WIZ_ID; }
};

// The owner's items in ascending sequence; the read's error, Ok() when all
// were read.
template <class R>
DataError ReadScriptItems(Table<R>& table, int32_t owner, std::vector<R>& items);

} // namespace vl
