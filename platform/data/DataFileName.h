#pragma once
// Names of tables in data files: "file\!table" names one table of a
// multi-table data file; a name without "\!" names a file holding one table.
// The file part gets ".TPS" when it has no extension, is relative to the
// current directory (the data directory) and is matched case-insensitively
// against the files present.

#include <QString>

namespace vl {

class TableFile;

struct DataFileName {
    QString path;  // the database file: an existing file matched regardless of
                   // case, else the name as written (with ".TPS" added)
    QString table; // the table inside it (case-insensitive)
};

// Splits and resolves a table's file name; defaultTable names the table when
// the name holds no "\!" part.
DataFileName ResolveDataFileName(const QString& name, const QString& defaultTable);

// The absolute path of the data file that holds table.
QString DataFilePath(const TableFile& table);

// The path of the file in directory dir whose name equals fileName regardless
// of case (the exact name wins); the plain join when there is none.
QString FindFileNoCase(const QString& dir, const QString& fileName);

} // namespace vl
