#pragma once
// Backing up and restoring the data files soundly.
//
// - A backup zips a consistent snapshot of each data file (taken while the
//   other programs may be writing to it), never the live file; other files
//   are zipped as they are. The archive is replaced only once the new one is
//   complete, so a failure (a full disk, an abort) leaves the old archive.
// - A restore first extracts every chosen member into a folder of its own
//   inside the data folder, and changes nothing unless all of them came out
//   whole. Then each file takes its place: a data file that exists is
//   overwritten through the data file layer in one write, so a program that
//   has it open sees the old or the new content and keeps working; any other
//   file is renamed over the old one, and a log left beside it by the old
//   content is removed so that it cannot be applied to the new.

#include "platform/zip/ZipArchive.h"

#include <QString>
#include <QStringList>

namespace vl {

// The names of the files in the folder that the patterns match, sorted.
QStringList MatchingFiles(const QString& dir, const QStringList& patterns);

// Zips the named files of the folder into the archive (a relative archive
// name counts from the folder), each under its own name, stored.
ZipResult BackupDataFiles(const QString& dir, const QStringList& names, const QString& archive,
                          ZipProgress& progress);

// Restores the chosen members of job.archive into job.targetDir, folder names
// ignored; with job.overwrite off, files that exist are kept. restored
// receives the names of the files put in place.
ZipResult RestoreDataFiles(const UnzipJob& job, ZipProgress& progress, QStringList* restored = nullptr);

} // namespace vl
