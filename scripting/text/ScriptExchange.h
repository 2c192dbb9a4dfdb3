#pragma once
// Script exchange files ("*.vls"): one script item per line, seven
// comma-separated quoted columns (the action, cut to 20 characters, then the
// item's fields in the columns its action puts them). Scripts travel
// between tasks, templates and installations in them, and a running script
// starts another from one (StartScript.h).
//
// A file must be whole before anything of it is used: a line that cannot be
// read (an unterminated quote, more than seven columns, a number column that
// holds no number) rejects the file, naming the line. Files are read as
// UTF-8, UTF-16 with its byte-order mark, or, when not valid UTF-8, as
// Windows-1252 (what older installations wrote).
//
// The File Actions column of the FTP user name and password carries them as
// the item stores them: a file moved to another installation must log in
// the same way.

#include "core/dictionary/ScriptTemplateRecords.h"
#include "core/dictionary/ScriptingRecord.h"
#include "platform/data/Table.h"
#include "platform/ui/ProgressService.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace vl {

inline constexpr char kScriptFileFilter[] = "Export File|*.vls|Text|*.txt|All|*.*";
inline constexpr char kExportDialogCaption[] = "Export to File";
inline constexpr char kImportDialogCaption[] = "Choose File to Import";
inline constexpr char kImportErrorCaption[] = "Import Error";
inline constexpr char kUnrecognizedActionText[] = "Unrecognized script action: ";
inline constexpr char kExchangeErrorCaption[] = "Error!";
inline constexpr char kExportItemErrorText[] = "Error exporting script item ";
inline constexpr char kProgressCaption[] = "Processing Records";
inline constexpr char kExportProgressText[] = "Exporting Script Items";
inline constexpr char kImportProgressText[] = "Importing Script Items";

// The seven columns of an item; nothing for an action no column table
// knows (such an item is not written).
std::optional<QStringList> PackScriptFields(const ScriptingRecord& item);

// Spreads the columns (the first is the action) over a cleared item by its
// action. False, with the item's action set and nothing else, when the
// action is none of the table's.
bool UnpackScriptFields(const QStringList& columns, ScriptingRecord& item);

struct ScriptFileContents {
    bool ok = false;
    bool cancelled = false;               // the progress asked to stop: nothing read
    QString error;                        // why nothing was read: the file, and the line
    std::vector<ScriptingRecord> items;   // recognised lines, normalised, in file order
    QStringList unrecognized;             // actions of the lines skipped, clipped
};

// Reads a whole exchange file. Blank lines and lines of type "Comment" or
// blank are skipped silently; lines of another unknown type are skipped and
// listed. The items have ID 0 and sequence 0. The progress is told the lines
// read of the file's lines.
ScriptFileContents ReadScriptExchangeFile(const QString& path, const ProgressStep& progress = {});

// Writes the items (in the order given) as the file, replacing it
// atomically. False with the reason in *error, or with no reason and the
// file untouched when the progress (told the items written) asked to stop.
bool WriteScriptExchangeFile(const QString& path, const std::vector<ScriptingRecord>& items, QString* error,
                             const ProgressStep& progress = {});

// The procedures of the script list and the wizards: a file dialog on
// GlobalExportName, then the task's (template's) items written to it, or a
// file's items appended to them in file order. A cancelled dialog does
// nothing. An import stores all of the file's items or, when any cannot be
// read or stored, none, and says why. True when something was written or
// imported. The work shows a progress window ("Processing Records",
// "Exporting Script Items" or "Importing Script Items"); its Cancel leaves
// the file or the table as it was.
bool ExportScript(Table<ScriptingRecord>& scripting, int32_t taskId);
bool ImportScript(Table<ScriptingRecord>& scripting, int32_t taskId);
bool ExportScriptTemplateDetails(Table<ScriptTemplateDetailsRecord>& details, int32_t templateId);
bool ImportScriptTemplateDetails(Table<ScriptTemplateDetailsRecord>& details, int32_t templateId);

} // namespace vl
