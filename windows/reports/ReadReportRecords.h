#pragma once
// Reading a report's records: opens the table, reads it in key order keeping
// the selected records, and closes it again. A table that cannot be opened or
// read is told to the user and gives nothing; a reading the user stopped
// gives what was read so far.

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/StandardWarnings.h"
#include "reports/ReportRunRules.h"

#include <optional>
#include <vector>

namespace vl {

template <class R>
std::optional<std::vector<R>> ReadReportRecords(Table<R>& table, KeyRef key,
                                                const std::function<bool(const R&)>& select,
                                                const ReadProgress& progress)
{
    if (!OpenTable(table)) {
        ShowFileWarning(kWarnFileAccessError, table.Name(), table.LastError());
        return std::nullopt;
    }
    std::vector<R> records;
    DataError error;
    const ReadOutcome outcome = ReadInKeyOrder<R>(
        table, key,
        [&](const R& record) {
            if (!select || select(record))
                records.push_back(record);
        },
        progress, error);
    table.Close();
    if (outcome == ReadOutcome::Failed) {
        ShowRecordRetrievalError(table.Definition().Label(), error);
        return std::nullopt;
    }
    return records;
}

} // namespace vl
