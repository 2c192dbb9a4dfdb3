#pragma once
// What the export, import and synchronisation windows do once the user has
// chosen: the file dialogs ("Export File", "Import File", the
// synchronisation file), the run on the program's tables under a progress
// window, and the messages that tell how it went: a failure in a box, a
// success as what the run did. Every question goes through the prompt
// service.

#include "exchange/ExportRun.h"
#include "exchange/ImportRun.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace vl {

inline constexpr char kExportDialogTitle[] = "Export File";
inline constexpr char kExportDialogFilter[] = "Export Files|*.CSV|All Files|*.*";
inline constexpr char kImportDialogTitle[] = "Import File";
inline constexpr char kImportDialogFilter[] = "Import Files|*.CSV|All Files|*.*";
inline constexpr char kEmptyFileCaption[] = "Attention!";
inline constexpr char kEmptyFileText[] = "That file is empty!  Please pick another file.";
inline constexpr char kExportCompletedCaption[] = "Export Completed";
inline constexpr char kImportCompletedCaption[] = "Import Completed";
inline constexpr char kSyncCompletedCaption[] = "Synchronization Completed";

// The progress of one run, shown once its file is chosen. Tell() gives the
// percentage done and returns false once the user has cancelled; Finish()
// says what the run did, and the progress stays on screen with it until the
// user closes it.
class RunProgress {
public:
    virtual ~RunProgress() = default;
    virtual bool Tell(int percent) = 0;
    virtual void Finish(const QString& done) = 0;
};
// Makes the progress of a run; without one a run shows none and says what
// it did in a notice.
using MakeRunProgress = std::function<std::unique_ptr<RunProgress>()>;

// The file both dialogs start from: the last one chosen in this run.
QString& ImexFileName();

// Asks for the file, then writes the table's records with these columns.
// False when the dialog was cancelled or the export failed (said in a box).
bool RunExport(ExchangeTable table, const std::vector<ExportColumn>& columns, bool header,
               const MakeRunProgress& progress = {});

// Asks for the file to import, again while the chosen file holds no record;
// nothing when cancelled or unreadable (said in a box). The reader is open
// at the file's first record.
std::optional<ImexReader> ChooseImportFile();

// Adds the file's records to the table by the mapping and says how it went.
ImportResult RunImport(const ImportMapping& mapping, bool stripHeader, const MakeRunProgress& progress = {});

// The synchronisation chooser's "&Send" and "&Receive": the file dialog
// (starting from the last file chosen), the run, and what it did or why it
// failed. False when cancelled or failed.
bool RunSyncSend(const MakeRunProgress& progress = {});
bool RunSyncReceive(const MakeRunProgress& progress = {});

} // namespace vl
