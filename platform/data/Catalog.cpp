#include "platform/data/Catalog.h"

#include "platform/data/FieldBinding.h"
#include "platform/data/NoCaseCollation.h"
#include "platform/data/OpenGuard.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>

#include <optional>

namespace vl {

namespace {

const char* TypeName(FieldType type)
{
    switch (type) {
    case FieldType::String: return "STRING";
    case FieldType::CString: return "CSTRING";
    case FieldType::Byte: return "BYTE";
    case FieldType::Short: return "SHORT";
    case FieldType::UShort: return "USHORT";
    case FieldType::Long: return "LONG";
    case FieldType::ULong: return "ULONG";
    case FieldType::Real: return "REAL";
    case FieldType::Decimal: return "DECIMAL";
    case FieldType::Memo: return "MEMO";
    }
    return "?";
}

// How a stored table stands against its declaration, by its catalog row.
enum class Standing {
    Missing,    // no such table in the file
    AsDeclared,
    Older,      // converted on open
    Newer,      // written by a newer program: error 47
    Damaged,    // the row is missing, does not read, or does not fit the table: error 36
};

struct StoredTable {
    bool tableExists = false;
    bool described = false;
    int version = 0;
    QString fields;
    QString keys;
    QString collation;
    Standing standing = Standing::Missing;
    QString finding; // what is wrong with a damaged row
};

// A unique key that existing records break while keys are rebuilt.
struct DuplicateKeyFailure {
    QString key;
};

bool CatalogExists(SQLite::Database& db)
{
    SQLite::Statement query(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
    query.bind(1, kCatalogTable);
    return query.executeStep();
}

QStringList StoredColumns(SQLite::Database& db, const QString& table);
bool SameLayout(const StoredTable& stored, const TableDef& def);

// The column names a stored field list gives, in order; nothing when the
// text is not such a list.
std::optional<QStringList> LayoutColumns(const QString& fields)
{
    const QJsonDocument document = QJsonDocument::fromJson(fields.toUtf8());
    if (!document.isArray())
        return std::nullopt;
    QStringList columns;
    for (const QJsonValue& field : document.array()) {
        const QJsonObject object = field.toObject();
        if (!object.value("name").isString() || !object.value("type").isString() ||
            !object.value("size").isDouble() || !object.value("places").isDouble())
            return std::nullopt;
        columns << object.value("name").toString();
    }
    return columns;
}

// Judges a described table's row: it must read, and its field list must
// name the stored table's columns; only then does its version count.
void Judge(SQLite::Database& db, const TableDef& def, const QString& table, StoredTable& stored)
{
    const std::optional<QStringList> named = LayoutColumns(stored.fields);
    QStringList columns = StoredColumns(db, table);
    if (!columns.isEmpty())
        columns.removeFirst(); // the record pointer
    const auto sameColumns = [&] {
        if (!named || named->size() != columns.size())
            return false;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (named->at(i).compare(columns[i], Qt::CaseInsensitive) != 0)
                return false;
        }
        return true;
    };
    if (!named || !QJsonDocument::fromJson(stored.keys.toUtf8()).isArray())
        stored.finding = QStringLiteral("the catalog's row for table %1 does not read").arg(table);
    else if (!sameColumns())
        stored.finding = QStringLiteral("the catalog's row for table %1 does not match its columns").arg(table);
    else if (stored.version == def.Version() && !SameLayout(stored, def))
        stored.finding = QStringLiteral("the catalog's row for table %1 gives version %2 another layout")
                             .arg(table)
                             .arg(stored.version);
    if (!stored.finding.isEmpty())
        stored.standing = Standing::Damaged;
    else if (stored.version == def.Version())
        stored.standing = Standing::AsDeclared;
    else
        stored.standing = stored.version < def.Version() ? Standing::Older : Standing::Newer;
}

StoredTable ReadStoredTable(SQLite::Database& db, const TableDef& def, const QString& table)
{
    StoredTable stored;
    SQLite::Statement exists(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE");
    exists.bind(1, table.toStdString());
    stored.tableExists = exists.executeStep();
    if (CatalogExists(db)) {
        SQLite::Statement row(db, std::string("SELECT version, fields, keys, collation FROM ") + kCatalogTable +
                                      " WHERE table_name = ? COLLATE NOCASE");
        row.bind(1, table.toStdString());
        if (row.executeStep()) {
            stored.described = true;
            // Text where a number belongs (or the other way round) is damage.
            const bool typed = row.getColumn(0).isInteger() && row.getColumn(1).isText() &&
                               row.getColumn(2).isText() && row.getColumn(3).isText();
            stored.version = typed ? row.getColumn(0).getInt() : 0;
            stored.fields = typed ? QString::fromUtf8(row.getColumn(1).getText()) : QString();
            stored.keys = typed ? QString::fromUtf8(row.getColumn(2).getText()) : QString();
            stored.collation = QString::fromUtf8(row.getColumn(3).getText());
        }
    }
    if (!stored.tableExists)
        return stored;
    // The data layer describes every table it makes: one it does not
    // describe is damage to the catalog.
    if (!stored.described) {
        stored.standing = Standing::Damaged;
        stored.finding = QStringLiteral("the catalog does not describe table %1").arg(table);
        return stored;
    }
    Judge(db, def, table, stored);
    return stored;
}

void CreateIndexes(SQLite::Database& db, const TableDef& def, const TableSql& sql)
{
    for (size_t i = 0; i < sql.keys.size(); ++i) {
        try {
            db.exec(sql.keys[i].createIndex);
        } catch (const SQLite::Exception& failure) {
            if (BreaksUniqueKey(failure))
                throw DuplicateKeyFailure{def.Keys()[i].name};
            throw;
        }
    }
}

QStringList StoredColumns(SQLite::Database& db, const QString& table)
{
    QStringList columns;
    SQLite::Statement info(db, "PRAGMA table_info(" + QuoteName(table) + ")");
    while (info.executeStep())
        columns.append(QString::fromUtf8(info.getColumn(1).getText()));
    return columns;
}

FieldValue ColumnValue(const SQLite::Column& column)
{
    if (column.isInteger())
        return column.getInt64();
    if (column.isFloat())
        return column.getDouble();
    if (column.isNull())
        return int64_t{0};
    return QString::fromUtf8(static_cast<const char*>(column.getBlob()), column.getBytes());
}

FieldValue BlankValue(const FieldDef& field)
{
    if (field.IsText())
        return QString();
    if (field.type == FieldType::Real || field.type == FieldType::Decimal)
        return 0.0;
    return int64_t{0};
}

// Rebuilds the table in the declared layout, keeping every record with its
// record pointer and the table's numbering of new records.
void ConvertTable(SQLite::Database& db, const TableDef& def, const QString& table, const TableSql& sql)
{
    const QStringList oldColumns = StoredColumns(db, table);
    const auto findOld = [&](const QString& column) -> int {
        for (int i = 0; i < oldColumns.size(); ++i) {
            if (oldColumns[i].compare(column, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    };
    // For each declared field: the stored column it takes its values from.
    std::vector<int> sources;
    std::vector<std::string> sourceColumns;
    for (size_t f = 0; f < def.Fields().size(); ++f) {
        int source = findOld(def.Fields()[f].column);
        for (const QString& former : def.AlternateColumns(static_cast<int>(f))) {
            if (source >= 0)
                break;
            source = findOld(former);
        }
        sources.push_back(source < 0 ? -1 : static_cast<int>(sourceColumns.size()));
        if (source >= 0)
            sourceColumns.push_back(QuoteName(oldColumns[source]));
    }

    std::optional<int64_t> sequence;
    {
        SQLite::Statement seq(db, "SELECT seq FROM sqlite_sequence WHERE name = ? COLLATE NOCASE");
        seq.bind(1, table.toStdString());
        if (seq.executeStep())
            sequence = seq.getColumn(0).getInt64();
    }

    const QString newTable = QStringLiteral("vl_upgrade|") + table;
    const TableSql newSql = BuildTableSql(def, newTable);
    db.exec("DROP TABLE IF EXISTS " + newSql.table);
    db.exec(newSql.createTable);

    std::string select = std::string("SELECT \"") + kPointerColumn + "\"";
    for (const std::string& column : sourceColumns)
        select += ", " + column;
    select += " FROM " + sql.table;
    std::string insert = std::string("INSERT INTO ") + newSql.table + " (\"" + kPointerColumn + "\"";
    std::string marks = "?";
    for (const FieldDef& field : def.Fields()) {
        insert += ", " + QuoteName(field.column);
        marks += ", ?";
    }
    insert += ") VALUES (" + marks + ")";

    SQLite::Statement read(db, select);
    SQLite::Statement write(db, insert);
    while (read.executeStep()) {
        write.bind(1, static_cast<int64_t>(read.getColumn(0).getInt64()));
        for (size_t f = 0; f < def.Fields().size(); ++f) {
            const FieldDef& field = def.Fields()[f];
            const FieldValue value =
                sources[f] < 0 ? BlankValue(field) : NormaliseValue(field, ColumnValue(read.getColumn(sources[f] + 1)));
            BindFieldValue(write, static_cast<int>(f) + 2, value);
        }
        write.exec();
        write.reset();
    }

    db.exec("DROP TABLE " + sql.table);
    db.exec("ALTER TABLE " + newSql.table + " RENAME TO " + sql.table);
    if (sequence) {
        SQLite::Statement keep(db, "UPDATE sqlite_sequence SET seq = MAX(seq, ?) WHERE name = ?");
        keep.bind(1, static_cast<int64_t>(*sequence));
        keep.bind(2, table.toStdString());
        if (keep.exec() == 0) {
            SQLite::Statement add(db, "INSERT INTO sqlite_sequence (name, seq) VALUES (?, ?)");
            add.bind(1, table.toStdString());
            add.bind(2, static_cast<int64_t>(*sequence));
            add.exec();
        }
    }
    CreateIndexes(db, def, sql);
    WriteCatalogRow(db, def, table);
}

bool NeedsNoCase(const TableDef& def)
{
    for (const KeyDef& key : def.Keys()) {
        for (const KeyComponent& component : key.components) {
            if (component.noCase)
                return true;
        }
    }
    return false;
}

bool IndexesComplete(SQLite::Database& db, const TableDef& def, const QString& table)
{
    QSet<QString> present;
    SQLite::Statement indexes(db, "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ? COLLATE NOCASE");
    indexes.bind(1, table.toStdString());
    while (indexes.executeStep())
        present.insert(QString::fromUtf8(indexes.getColumn(0).getText()).toUpper());
    for (const KeyDef& key : def.Keys()) {
        if (!present.contains(IndexName(table, key).toUpper()))
            return false;
    }
    return true;
}

bool SameLayout(const StoredTable& stored, const TableDef& def)
{
    return stored.fields == StoredFieldLayout(def) && stored.keys == StoredKeyLayout(def);
}

DataError Failure(int code, const QString& message)
{
    DataError error = DataError::Make(code);
    error.driverMessage = message;
    return error;
}

// Why the open does not take a stored table that is neither missing nor
// older as it is (no error for one as declared with its keys complete):
// damage, a newer version, or keys to rebuild.
DataError Refusal(SQLite::Database& db, const TableDef& def, const QString& table, const StoredTable& stored)
{
    if (stored.standing == Standing::Damaged)
        return Failure(kInvalidDataFile, stored.finding);
    if (stored.standing == Standing::Newer)
        return Failure(kInvalidRecordDeclaration,
                       QStringLiteral("stored version %1 is newer than %2").arg(stored.version).arg(def.Version()));
    if (NeedsNoCase(def) && stored.collation != NoCaseCollationVersion())
        return Failure(kKeysNeedRebuilding, QStringLiteral("keys ordered under other case rules"));
    if (!IndexesComplete(db, def, table))
        return Failure(kKeysNeedRebuilding, QStringLiteral("keys missing"));
    return DataError();
}

// Runs work on the stored table and turns what it throws into the error:
// a unique key that existing records break is 40 naming the key.
// Calls the open guard around work that changes a stored table, also when
// the work fails.
class OpenGuardScope {
public:
    explicit OpenGuardScope(const QString& fileName)
    {
        if (CurrentOpenGuard().beforeOpen)
            CurrentOpenGuard().beforeOpen(fileName);
    }
    ~OpenGuardScope()
    {
        if (CurrentOpenGuard().afterOpen)
            CurrentOpenGuard().afterOpen();
    }
    OpenGuardScope(const OpenGuardScope&) = delete;
    OpenGuardScope& operator=(const OpenGuardScope&) = delete;
};

template <class Work>
DataError Guarded(Work work)
{
    try {
        return work();
    } catch (const DuplicateKeyFailure& failure) {
        return DataError::DuplicateKey(failure.key);
    } catch (const std::exception& failure) {
        return EngineError(failure, QString());
    }
}

} // namespace

void MakeCatalog(SQLite::Database& db)
{
    db.exec(std::string("CREATE TABLE IF NOT EXISTS ") + kCatalogTable +
            " (table_name TEXT PRIMARY KEY COLLATE NOCASE, label TEXT NOT NULL, version INTEGER NOT NULL,"
            " fields TEXT NOT NULL, keys TEXT NOT NULL, collation TEXT NOT NULL)");
}

void WriteCatalogRow(SQLite::Database& db, const TableDef& def, const QString& table)
{
    MakeCatalog(db);
    SQLite::Statement write(db, std::string("INSERT OR REPLACE INTO ") + kCatalogTable +
                                    " (table_name, label, version, fields, keys, collation) VALUES (?, ?, ?, ?, ?, ?)");
    write.bind(1, table.toStdString());
    write.bind(2, def.Label().toStdString());
    write.bind(3, def.Version());
    write.bind(4, StoredFieldLayout(def).toStdString());
    write.bind(5, StoredKeyLayout(def).toStdString());
    write.bind(6, NoCaseCollationVersion().toStdString());
    write.exec();
}

QString StoredFieldLayout(const TableDef& def)
{
    QJsonArray fields;
    for (const FieldDef& field : def.Fields()) {
        fields.append(QJsonObject{{"name", field.column.toUpper()},
                                  {"type", TypeName(field.type)},
                                  {"size", field.size},
                                  {"places", field.places}});
    }
    return QString::fromUtf8(QJsonDocument(fields).toJson(QJsonDocument::Compact));
}

QString StoredKeyLayout(const TableDef& def)
{
    QJsonArray keys;
    for (const KeyDef& key : def.Keys()) {
        QJsonArray parts;
        for (const KeyComponent& component : key.components) {
            parts.append(QJsonObject{{"field", def.Fields()[component.field].column.toUpper()},
                                     {"descending", component.descending},
                                     {"nocase", component.noCase}});
        }
        keys.append(QJsonObject{{"name", key.name.toUpper()}, {"unique", key.unique}, {"parts", parts}});
    }
    return QString::fromUtf8(QJsonDocument(keys).toJson(QJsonDocument::Compact));
}

DataError PrepareStoredTable(DataConnection& connection, const TableDef& def, const QString& table,
                             const TableSql& sql, bool create, const QString& fileName)
{
    SQLite::Database& db = connection.Db();
    return Guarded([&]() -> DataError {
        StoredTable stored = ReadStoredTable(db, def, table);
        if (stored.standing == Standing::Missing && !create)
            return DataError::Make(kFileNotFound);
        if (stored.standing != Standing::Missing && stored.standing != Standing::Older)
            return Refusal(db, def, table, stored);

        // Creation or conversion: decided again inside the write transaction,
        // since another program may have done it meanwhile.
        const OpenGuardScope guard(fileName);
        WriteTransaction transaction(connection);
        stored = ReadStoredTable(db, def, table);
        if (stored.standing == Standing::Missing) {
            db.exec(sql.createTable);
            CreateIndexes(db, def, sql);
            WriteCatalogRow(db, def, table);
        } else if (stored.standing == Standing::Older) {
            ConvertTable(db, def, table, sql);
        } else if (stored.standing != Standing::AsDeclared) {
            return Refusal(db, def, table, stored);
        }
        transaction.Commit();
        return DataError();
    });
}

DataError CheckStoredTable(SQLite::Database& db, const TableDef& def, const QString& table)
{
    return Guarded([&]() -> DataError {
        const StoredTable stored = ReadStoredTable(db, def, table);
        if (stored.standing == Standing::Missing)
            return DataError::Make(kFileNotFound);
        return stored.standing == Standing::Older ? DataError() : Refusal(db, def, table, stored);
    });
}

QStringList StrayCatalogRows(SQLite::Database& db)
{
    QStringList stray;
    if (!CatalogExists(db))
        return stray;
    SQLite::Statement rows(db, std::string("SELECT table_name FROM ") + kCatalogTable +
                                   " WHERE typeof(table_name) <> 'text' OR NOT EXISTS (SELECT 1 FROM sqlite_master "
                                   "WHERE type = 'table' AND name = table_name COLLATE NOCASE)");
    while (rows.executeStep())
        stray << QString::fromUtf8(rows.getColumn(0).getText());
    return stray;
}

DataError RebuildStoredKeys(DataConnection& connection, const TableDef& def, const QString& table,
                            const TableSql& sql)
{
    SQLite::Database& db = connection.Db();
    return Guarded([&]() -> DataError {
        WriteTransaction transaction(connection);
        const StoredTable stored = ReadStoredTable(db, def, table);
        if (stored.standing == Standing::Missing)
            return DataError::Make(kFileNotFound);
        if (stored.standing == Standing::Damaged)
            return Failure(kInvalidDataFile, stored.finding);
        if (stored.standing != Standing::AsDeclared)
            return Failure(kInvalidRecordDeclaration, QStringLiteral("stored layout differs from the declaration"));
        // Dropped and made again: a key missing, or ordered under other case
        // rules, comes back complete.
        for (const KeySql& key : sql.keys)
            db.exec("DROP INDEX IF EXISTS " + QuoteName(QString::fromStdString(key.indexName)));
        CreateIndexes(db, def, sql);
        WriteCatalogRow(db, def, table);
        transaction.Commit();
        return DataError();
    });
}

} // namespace vl
