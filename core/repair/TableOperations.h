#pragma once
// One repair operation on one table, with no questions asked: safe to run
// on a worker thread (it makes file objects of its own from the table's
// definition). What the user must be told comes back in the outcome.

#include "core/repair/RepairTables.h"
#include "platform/data/DataFileRepair.h"
#include "platform/data/TableDef.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace vl {

inline constexpr char kExclusiveAccessCaption[] = "File Access Error";

// The table to work on, taken from its program-wide file object.
struct TableJob {
    QString label;
    std::shared_ptr<const TableDef> definition;
    QString fileName; // the file object's name ("VLDB\!s")
    QString path;     // its data file
    // A repair's: the program's tables in that file, made again from their
    // declarations where the damaged file no longer describes them.
    std::vector<DeclaredTable> declared;
    // Set when the user cancels: a repair stops on the way.
    std::shared_ptr<const std::atomic<bool>> cancelled;
};

struct TableOutcome {
    bool counted = false;   // the operation opened the table and counted it
    int64_t records = 0;
    bool informed = false;  // information below replaces the row's
    QString information;
    QString message;        // to show when not empty
    QString caption;
    // A repair's: the records of every table of the repaired file, by label,
    // and the tables that lost records, whose rows show the information
    // (the row in hand does when none did).
    std::map<QString, int64_t> fileRecords;
    std::vector<QString> lossLabels;
};

using RepairProgress = std::function<void(int percent)>;

TableOutcome RunTableOperation(RepairOperation operation, const TableJob& job, const RepairProgress& progress = {});

// The message of an operation that needs the file to itself and could not
// have it.
QString ExclusiveAccessText(const QString& errorText);

} // namespace vl
