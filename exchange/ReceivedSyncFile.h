#pragma once
// A synchronisation file to receive from, read through a private copy: the
// data file layer opens only the copy, so the file given is never created,
// changed or given log files beside it, whatever it holds (nothing, text,
// another program's database). A file this program cannot read as a
// synchronisation file is refused, naming it and saying why.

#include <QString>
#include <QTemporaryDir>

#include <vector>

namespace vl {

class TableFile;

class ReceivedSyncFile {
public:
    // Copies the file at name (with a log beside it, whose commits belong
    // to it) into a folder private to the user; false, with the refusal in
    // error, when it is no file to receive from.
    bool Copy(const QString& name, QString& error);
    // The copy (removed with its folder when this object goes).
    const QString& Path() const { return copy_; }

private:
    QTemporaryDir folder_;
    QString copy_;
};

// Opens the synchronisation tables of the copy as they stand, never
// creating them; keys built under other case rules (another
// installation's) are rebuilt in the copy. False, with none of them open and
// the refusal naming name in error, when one cannot be read.
bool OpenReceivedTables(const std::vector<TableFile*>& tables, const QString& name, QString& error);

} // namespace vl
