#pragma once
// The next task in due order, read again only when it may have changed.
// The Schedule table is read afresh when another connection has committed
// to its data file (the file's commit stamp), when this program wrote
// through its own connection (the connection's change mark), when a run
// joined or left the unstored runs, and when the clock reaches the task
// found last; otherwise the task found last is still the next one.

#include "core/dictionary/ScheduleRecord.h"
#include "scheduler/engine/TableStamp.h"

#include <cstdint>
#include <optional>

namespace vl {

class UnstoredRuns;

class DueTaskLookup {
public:
    explicit DueTaskLookup(const UnstoredRuns& unstored) : unstored_(unstored) {}

    // The first task in SCH:KEYDATEENABLED order that has a date or a time
    // and is not an occurrence held by the unstored runs; nothing at the end
    // of the table, and nothing with `failed` set when the read failed.
    std::optional<ScheduleRecord> Next(bool& failed);

private:
    struct Stamp {
        TableStamp table;
        uint64_t unstoredRevision = 0;
    };
    // The present state of the table; nothing when it cannot be told.
    std::optional<Stamp> Current() const;
    bool StillValid(const Stamp& now) const;
    std::optional<ScheduleRecord> Read(bool& failed) const;

    const UnstoredRuns& unstored_;
    std::optional<Stamp> stamp_; // set while `found_` holds what the table says
    std::optional<ScheduleRecord> found_;
};

} // namespace vl
