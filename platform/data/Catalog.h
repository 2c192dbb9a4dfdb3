#pragma once
// The catalog of a data file: one row per table with its label, structure
// version, field list, keys and the case rules its keys were built with.
// Opening a table checks it against the declaration: a missing table is
// created when asked, an older one is converted in place (fields added with
// blank or zero values, dropped, or taken over from their former names), a
// newer one is error 47 and is left untouched; keys built under other case
// rules, or missing, are error 46. The catalog is the data layer's own
// record, so a row that contradicts it is damage (error 36, which the
// repair mends), never a newer version: a table without a row, a row that
// does not read, whose field list does not name the table's columns, or
// that gives the declared version another layout. Only a row that reads
// and fits its table tells of a newer version.

#include "platform/data/Connection.h"
#include "platform/data/KeySql.h"

namespace vl {

// The field list and key list as the catalog keeps them.
QString StoredFieldLayout(const TableDef& def);
QString StoredKeyLayout(const TableDef& def);

// Makes the catalog when the file has none.
void MakeCatalog(SQLite::Database& db);
// Describes the stored table in the catalog as the declaration lays it out
// (making the catalog when the file has none).
void WriteCatalogRow(SQLite::Database& db, const TableDef& def, const QString& table);

// What opening the stored table would say, changing nothing: no error for a
// table the open takes as it is or converts; 2, 36, 46, 47 or 90 otherwise.
DataError CheckStoredTable(SQLite::Database& db, const TableDef& def, const QString& table);

// The names in catalog rows that describe no table of the file.
QStringList StrayCatalogRows(SQLite::Database& db);

// Makes the stored table fit the declaration (see above); returns the error.
// A creation or conversion runs inside the open guard (OpenGuard.h), which
// is told the table's file name; an open that finds the table as declared
// changes nothing and does not call it.
DataError PrepareStoredTable(DataConnection& connection, const TableDef& def, const QString& table,
                             const TableSql& sql, bool create, const QString& fileName);

// Recreates missing keys and rebuilds every key of the table.
DataError RebuildStoredKeys(DataConnection& connection, const TableDef& def, const QString& table,
                            const TableSql& sql);

} // namespace vl
