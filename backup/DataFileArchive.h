#pragma once
// Backing up and restoring the data files soundly.
//
// - A backup zips a consistent snapshot of each data file (taken while the
//   other programs may be writing to it), never the live file; other files
//   are zipped as they are. The archive is replaced only once the new one is
//   complete, so a failure (a full disk, an abort) leaves the old archive.
// - A restore (and the backup manager's extract) is all or nothing. It first
//   checks the members (names, links, sizes against the free room), extracts
//   every chosen member into a folder of its own inside the target folder,
//   checks each data file among them (a damaged one is refused; the
//   manager's extract takes it out where it replaces no live data file) and
//   the room for putting them in place; a failure so far changes nothing. Then, with
//   the restore journal written (RestoreJournal.h), each file takes its
//   place (RestoreSwap.h): a data file that exists, which
//   another program may have open, gets its new content through the data
//   file layer in one write (that program sees the old or the new content,
//   never a mixture, and keeps working on it, its logs untouched); any other
//   file is renamed over the old one, whose logs are moved aside so that they
//   cannot be applied to the new content. When a file cannot be put in place,
//   the files placed before it are taken back to their old content. A stop
//   part way is finished or taken back at the next start; SIGTERM, SIGINT and SIGHUP
//   wait until the swap is done, and a file-size limit fails the write.
//   A restore first finishes one stopped part way in its folder.

#include "platform/zip/ZipArchive.h"

#include <QString>
#include <QStringList>

namespace vl {

// The names of the files in the folder that the patterns match, sorted.
QStringList MatchingFiles(const QString& dir, const QStringList& patterns);

// What a backup found beside the data files it zipped.
struct BackupFindings {
    // The data files found damaged ("VLDB.TPS: " and the first finding); the
    // archive holds them as they are.
    QStringList damaged;
    // The copies of damaged logs the data file layer set aside beside them
    // ("VLDB.TPS-wal.damaged", "VLDB.TPS-wal.damaged2", ...), found after
    // the snapshot and zipped with them: the repair takes their intact
    // commits back.
    QStringList setAsideLogs;
};

// Zips the named files of the folder into the archive (a relative archive
// name counts from the folder), each under its own name, stored, with the
// set-aside logs of the data files among them. The files read are left as
// they were.
ZipResult BackupDataFiles(const QString& dir, const QStringList& names, const QString& archive,
                          ZipProgress& progress, BackupFindings* findings = nullptr);

// What the backup manager's extract takes out that a restore refuses: a
// damaged data file put where it is no live data (LiveData.h), so that it
// can be repaired there.
struct DamagedDataFiles {
    QStringList extracted; // receives "VLDB.TPS: " and the first finding of each taken out
};

// Restores the chosen members of job.archive into job.targetDir (below it
// with job.useFolderNames); with job.overwrite off, files that exist are
// kept. restored receives the paths of the files put in place (absolute).
// A damaged data file among them is refused unless takeOut lets it out.
ZipResult RestoreDataFiles(const UnzipJob& job, ZipProgress& progress, QStringList* restored = nullptr,
                           DamagedDataFiles* takeOut = nullptr);

} // namespace vl
