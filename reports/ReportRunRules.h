#pragma once
// The rules every printed report runs by, apart from its windows: the texts
// of its questions and notes, the answer to the user's Cancel, the note for
// an empty selection, and reading a table in key order with a progress
// report between batches.

#include "core/dictionary/ReportTexts.h"
#include "platform/data/DataError.h"
#include "platform/data/Table.h"

#include <functional>
#include <vector>

namespace vl {

inline constexpr char kReportTextsFile[] = "CPCSRPTS.INI";

// The report texts with the preview question's defaults.
ReportTexts LoadPreviewReportTexts();

enum class ReportDestinationChoice { Preview, Print, Cancel };
// "Do you wish to PREVIEW this Report?": Yes previews, No prints, Cancel ends.
ReportDestinationChoice AskPreview(const ReportTexts& texts);

enum class CancelAnswer { GoOn, Abandon, ShowSoFar };
// The user pressed Cancel while the records were read: asks whether to end
// the report and, while previewing with lines already made, whether to
// preview what was made so far (Ignore goes on).
CancelAnswer AskReportCancel(const ReportTexts& texts, bool previewing, bool haveLines);

// Says that there is nothing to preview (or print).
void ShowNothingToPrint(const ReportTexts& texts, bool previewing);

// "Record Retrieval Error" about a failed read of the table.
void ShowRecordRetrievalError(const QString& table, const DataError& error);
// "View Open Error": the filter could not be used and is ignored.
void ShowViewOpenError(const QString& filter);

enum class ReadOutcome { Completed, Stopped, Failed };

// Told the records read so far of the total; answers false to stop reading.
using ReadProgress = std::function<bool(int64_t read, int64_t total)>;

// Reads the open table in key order, handing each record to keep (which
// answers false when the record is not selected); progress is told every
// 25 records. A failed read leaves its error in `error`.
template <class R>
ReadOutcome ReadInKeyOrder(Table<R>& table, KeyRef key, const std::function<void(const R&)>& keep,
                           const ReadProgress& progress, DataError& error)
{
    const int64_t total = table.Records();
    int64_t read = 0;
    R record;
    table.Set(key);
    while (table.Next(record)) {
        keep(record);
        if (++read % 25 == 0 && progress && !progress(read, total))
            return ReadOutcome::Stopped;
    }
    if (table.ErrorCode() != kRecordNotAvailable) {
        error = table.LastError();
        return ReadOutcome::Failed;
    }
    if (progress)
        progress(read, total);
    return ReadOutcome::Completed;
}

} // namespace vl
