#pragma once
// The state of a table's data file at one moment, to tell cheaply whether
// anything may have changed since: another connection committed to the file
// (the file's commit stamp, read without a lock where the file has a shared
// log index), or this program wrote through its own connection (the
// connection's change mark). Work that depends only on a table's records
// keeps the stamp it read under and skips a repeat while the stamp stays the
// same.

#include "platform/data/Connection.h"
#include "platform/data/TableFile.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace vl {

class TableStamp {
public:
    // The table's present stamp (opening a table marked for use); nothing
    // when it cannot be told.
    static std::optional<TableStamp> Of(TableFile& table);

    bool operator==(const TableStamp& other) const;

private:
    std::weak_ptr<DataConnection> connection_;
    DataConnection::CommitStamp committed_{};
    uint64_t changeMark_ = 0;
};

} // namespace vl
