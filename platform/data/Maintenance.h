#pragma once
// Maintenance of whole data files for the repair window and the backups.
// Each works on its own connection; the file's tables may be open elsewhere
// (the work waits for their writes like any other writer).

#include "platform/data/DataError.h"

#include <QStringList>

namespace vl {

// Rebuilds every key of the data file.
DataError RebuildDataFileKeys(const QString& path);
// Packs the data file: space of deleted records is given back.
DataError PackDataFile(const QString& path);
// Checks the data file's structure; problems receives the findings (empty
// when the file is sound). A file that is no data file at all is an error.
DataError CheckDataFile(const QString& path, QStringList* problems);
// Checks the data file's pages and records quickly (not the keys against
// the records), reading it as it stands; problems receives the findings,
// empty when the file is sound. A file that is damaged or no data file at
// all is a finding; the error is for a file that could not be read.
DataError QuickCheckDataFile(const QString& path, QStringList& problems);
// Copies a consistent snapshot of the data file, with the commits still in
// its log, to target (replaced when it exists), while other programs may be
// writing to it. The copy is one file, with no log beside it.
DataError CopyDataFileSnapshot(const QString& path, const QString& target);
// Replaces the whole content of the data file at path with that of the data
// file source, in one write: programs that have the file open see the old
// content or the new one, never a mixture, and keep working on it.
DataError RestoreDataFileSnapshot(const QString& source, const QString& path);
// What a line of the engine's check says, in words a user can act on: which
// page is damaged, or that the keys no longer match the records.
QString PlainDamageText(const QString& engineLine);
// Whether the file begins as a data file does (it may still be damaged).
bool LooksLikeDataFile(const QString& path);

} // namespace vl
