#pragma once
// An operation of the repair window over its rows: the tagged tables one
// after the other (or the highlighted one alone), each prepared on the
// caller's thread (questions first), worked on wherever the caller likes (a
// worker thread in the window), and finished on the caller's thread again
// (its row filled in, its message shown). Cancel stops after the table in
// hand. The repair offered at start, when the last run stopped while
// opening a file, runs the same way.

#include "core/repair/RepairTables.h"
#include "core/repair/TableOperations.h"

#include <atomic>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace vl {

class PromptService;

inline constexpr char kMultiTableCaption[] = "Warning";

class RepairRun {
public:
    // The rows must outlive the run.
    RepairRun(RepairOperation operation, std::vector<RepairRow>& rows, int highlighted);

    RepairOperation Operation() const { return operation_; }
    // The user has agreed to the repair of the data file at path already:
    // it is not asked about again.
    void Agreed(const QString& path);
    // The next table to work on, after any question it needs; none when the
    // run is over or cancelled. Needs the program's dictionary.
    std::optional<TableJob> Next(PromptService& prompt);
    // Takes the outcome of the table Next handed out.
    void Finish(const TableOutcome& outcome, PromptService& prompt);
    // Stops the run; a repair in hand stops on the way.
    void Cancel() { *cancelled_ = true; }

    // The row in hand (-1 before the first), and the tables (for a repair,
    // the data files) after it.
    int CurrentRow() const { return current_; }
    int FilesLeft() const;

private:
    RepairOperation operation_;
    std::vector<RepairRow>& rows_;
    std::vector<int> order_;
    size_t next_ = 0;
    int current_ = -1;
    std::shared_ptr<std::atomic<bool>> cancelled_ = std::make_shared<std::atomic<bool>>(false);
    std::set<QString> askedFiles_; // data files a repair has taken in hand
    std::set<QString> agreedFiles_;
};

// Runs the operation to its end on this thread.
void RunRepair(RepairOperation operation, std::vector<RepairRow>& rows, int highlighted, PromptService& prompt);

// At start, when the last run stopped while opening the table (or file)
// badFile names: asks whether to repair it and, when the user agrees,
// repairs it and says how that went. True when the user agreed (the record
// of the unfinished open has then served its purpose).
bool OfferBadFileRepair(PromptService& prompt, const QString& badFile);

} // namespace vl
