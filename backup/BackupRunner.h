#pragma once
// The backup runner's two operations on one archive: back up the data files
// ("*.TPS") of the data folder, or restore every file of the archive into it.
// Questions and reports go through the prompt service, the zip work through
// the installed ZipWork (its progress window).

#include "backup/DataFileArchive.h"
#include "backup/ZipObject.h"
#include "platform/runtime/IniFile.h"

#include <QString>

namespace vl {

inline constexpr char kRunnerIniFile[] = "Halvex.INI";
inline constexpr char kDataFilePattern[] = "*.TPS";

// The operation and the archive name the runner's window offers, kept in
// its INI file between runs.
struct RunnerChoice {
    QString operation;
    QString archiveName;
};

enum class RunnerOperation { Backup, Restore, Unknown };

// Reads the choice; a blank one is "Backup to an archive" and "Backup.zip".
RunnerChoice ReadRunnerChoice(const IniFile& ini);
bool WriteRunnerChoice(IniFile& ini, const RunnerChoice& choice);
// "Backup" and "Backup to an archive", "Restore" and "Restore from an
// archive" (in any case); anything else is Unknown.
RunnerOperation OperationOf(const QString& text);
// The archive a typed name stands for: clipped, with ".ZIP" added when the
// file name has no extension.
QString ArchiveFileName(const QString& typed);

// Loads the listing of zip.archiveName. An archive it cannot read (cut
// short, empty, no zip archive at all, the work file of a killed run) is
// told to be no whole zip archive, with the reason, under caption.
bool LoadWholeArchive(ZipObject& zip, const QString& caption, ZipResult* failure = nullptr);

// The three zip steps: 0, -1 after a refused pattern, or the zip
// libraries' code. Each reports its own failure.
// The backup names the data files found damaged; findings receives what it
// found.
ZipResult ZipBackup(ZipObject& zip, const QString& wildcard, const QString& dataDir,
                    BackupFindings* findings = nullptr);
ZipResult ZipTest(ZipObject& zip);
ZipResult ZipRestore(ZipObject& zip);

// The operations of the window's OK: each reports success too; a backup
// that archived set-aside logs (BackupFindings) names them and the repair
// that takes their changes back.
ZipResult RunBackup(ZipObject& zip, const QString& archiveName, const QString& dataDir);
ZipResult RunRestore(ZipObject& zip, const QString& archiveName, const QString& dataDir);

} // namespace vl
