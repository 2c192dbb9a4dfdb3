#pragma once
// The backup manager's operations on its archive: new and open, add, delete,
// test and extract, and writing the archive comment at once. Each returns 0,
// -1 after a refused pattern, or the zip libraries' code, and reports
// its own failure through the prompt service; the zip work runs through the
// installed ZipWork (its progress window). After a change the listing is
// read again.
//
// - Deleting rewrites the archive whole or leaves it as it was.
// - Extracting keeps files that exist unless "overwrite" was chosen, and says
//   which it kept; it never writes outside the target folder. It is the
//   restore's all-or-nothing work (DataFileArchive.h): a data file another
//   program has open is written through the data file layer, never replaced
//   under it. A damaged data file is taken out, with a warning naming it,
//   only where it is no live data (LiveData.h): never into a folder that
//   holds the programs' data nor over a data file a program has open.
// - Test and extract report a wrong or missing password.

#include "backup/ZipObject.h"
#include "backup/ZipPreferences.h"

#include <QString>
#include <QStringList>

namespace vl {

// The chosen archive name (".ZIP" added when it has none) after a file of
// that name was removed; the current name when cancelled or when the file is
// a data file of the program, which is never removed.
QString NewArchive(const QString& current);
// The chosen archive, or the current one when cancelled.
QString ChooseArchiveToOpen(const QString& current);
// Reads the listing of the archive to open into zip. An archive that cannot
// be read is told to be no whole zip archive, and zip stays as it was.
bool ReadArchiveToOpen(ZipObject& zip, const QString& name);
// The files to add, several at once; empty when cancelled.
QStringList ChooseFilesToAdd();

// The name a file gets in the archive: its name, its path below baseDir
// (its name when it lies elsewhere), or its full path without the leading
// "/".
QString MemberNameFor(const QString& file, PathChoice path, const QString& baseDir);

// Adds the files under the preferences; answers holds what the file comment
// and password dialogs gave. Files are named from baseDir.
ZipResult AddFiles(ZipObject& zip, ZipPreferences& preferences, const QStringList& files, const AddAnswers& answers,
                   const QString& baseDir);
ZipResult DeleteMembers(ZipObject& zip);
ZipResult TestMembers(ZipObject& zip);
ZipResult ExtractMembers(ZipObject& zip);
// Writes zip.archiveComment into the archive now.
ZipResult SaveArchiveCommentNow(ZipObject& zip);

} // namespace vl
