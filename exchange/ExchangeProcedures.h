#pragma once
// What the export and import windows do once the user has chosen: the file
// dialogs of the delimited-text files ("Export File", "Import File"), the
// run on the program's table, and the messages that tell how it went. Every
// question goes through the prompt service.

#include "exchange/ExportRun.h"
#include "exchange/ImportRun.h"

#include <QString>

#include <optional>

namespace vl {

inline constexpr char kExportDialogTitle[] = "Export File";
inline constexpr char kExportDialogFilter[] = "Export Files|*.CSV|All Files|*.*";
inline constexpr char kImportDialogTitle[] = "Import File";
inline constexpr char kImportDialogFilter[] = "Import Files|*.CSV|All Files|*.*";
inline constexpr char kEmptyFileCaption[] = "Attention!";
inline constexpr char kEmptyFileText[] = "That file is empty!  Please pick another file.";

// The file both dialogs start from: the last one chosen in this run.
QString& ImexFileName();

// Asks for the file, then writes the table's records with these columns.
// False when the dialog was cancelled or the export failed (said in a box).
bool RunExport(ExchangeTable table, const std::vector<ExportColumn>& columns, bool header,
               const ExportProgress& progress = {});

// Asks for the file to import, again while the chosen file holds no record;
// nothing when cancelled or unreadable (said in a box).
std::optional<ImexFile> ChooseImportFile();

// The synchronisation chooser's "&Send" and "&Receive": the file dialog
// (starting from the last file chosen), the run, and a box when it failed or
// left incoming to-do items out. False when cancelled or failed.
bool RunSyncSend();
bool RunSyncReceive();

// Adds the file's records to the table by the mapping and says how it went.
ImportResult RunImport(const ImportMapping& mapping, const ImexFile& file, bool stripHeader);

} // namespace vl
