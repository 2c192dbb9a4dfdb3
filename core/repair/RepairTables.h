#pragma once
// The rows of the repair window: one per table of the program, each of which
// can be tagged, with the record count and the information an operation
// leaves in it, and the operations the window runs over the tagged rows.

#include <QString>

#include <vector>

namespace vl {

enum class RepairOperation { Fix, Build, Pack, Release, Info };

inline constexpr char kRepairUnknownRecords[] = "?";

struct RepairRow {
    QString tag;         // "1" when tagged, empty when not
    int tagIcon = 0;     // 1 when the row shows as tagged
    QString description; // shown in the column "File"
    QString records = QString::fromLatin1(kRepairUnknownRecords);
    QString information; // file name or error text
    QString label;       // the table's label, which finds its file object
};

// The rows, sorted by description.
std::vector<RepairRow> RepairTableRows();

void TagAll(std::vector<RepairRow>& rows);
void UntagAll(std::vector<RepairRow>& rows);
// Sets each row's icon from its tag, as when the list itself is accepted: a
// tag of "*" or "1" shows as tagged.
void RefreshTagIcons(std::vector<RepairRow>& rows);
// Tags the row when untagged and the other way round.
void ToggleTag(RepairRow& row);

// The rows an operation works on, in list order: those tagged "1", or, when
// none is, the highlighted row alone (none when nothing is highlighted).
std::vector<int> RowsToProcess(const std::vector<RepairRow>& rows, int highlighted);

// The text the progress window shows while the operation works on a table.
QString RepairActionText(RepairOperation operation);

} // namespace vl
