#include "core/repair/TableOperations.h"

#include "platform/data/Connection.h"
#include "platform/data/DataFileRepair.h"
#include "platform/data/KeySql.h"
#include "platform/data/Maintenance.h"
#include "platform/data/NoCaseCollation.h"
#include "platform/data/TableFile.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <SQLiteCpp/Statement.h>

#include <algorithm>

namespace vl {

namespace {

constexpr int kExclusive = AccessMode::kReadWrite | AccessMode::kDenyAll;
constexpr int kSharedRead = AccessMode::kReadOnly | AccessMode::kDenyNone;

// A file object of this thread on the job's table.
std::unique_ptr<TableFile> FileOf(const TableJob& job)
{
    auto file = std::make_unique<TableFile>(job.definition);
    file->SetName(job.fileName);
    return file;
}

void Count(TableFile& file, TableOutcome& outcome)
{
    outcome.records = file.Records();
    outcome.counted = file.ErrorCode() == kNoError;
}

void RefuseExclusive(const QString& errorText, TableOutcome& outcome)
{
    outcome.message = ExclusiveAccessText(errorText);
    outcome.caption = QLatin1String(kExclusiveAccessCaption);
}

// Build, Pack and Release: open the table for writing, do the work, count.
template <class Work>
TableOutcome WithTableOpen(const TableJob& job, bool keysMayBeDamaged, Work work)
{
    TableOutcome outcome;
    std::unique_ptr<TableFile> file = FileOf(job);
    file->Open(kExclusive);
    if (file->ErrorCode() == kFileNotFound)
        return outcome; // a missing file has nothing to maintain
    if (file->ErrorCode() == kKeysNeedRebuilding && keysMayBeDamaged) {
        if (file->RebuildKeys())
            file->Open(kExclusive);
    }
    if (!file->IsOpen()) {
        RefuseExclusive(file->Error(), outcome);
        return outcome;
    }
    const QString failure = work(*file, outcome);
    if (!failure.isEmpty())
        RefuseExclusive(failure, outcome);
    else
        Count(*file, outcome);
    file->Close();
    return outcome;
}

TableOutcome Build(const TableJob& job)
{
    return WithTableOpen(job, true, [](TableFile& file, TableOutcome&) {
        return file.RebuildKeys() ? QString() : file.Error();
    });
}

TableOutcome Pack(const TableJob& job)
{
    return WithTableOpen(job, false, [&job](TableFile&, TableOutcome&) {
        const DataError error = PackDataFile(job.path);
        return error.Ok() ? QString() : error.Describe();
    });
}

// Records are never left held in these files; what a program that ended
// without closing leaves behind is its log. Release reads every record
// (showing how far it got), then folds the log into the file.
TableOutcome Release(const TableJob& job, const RepairProgress& progress)
{
    return WithTableOpen(job, false, [&progress](TableFile& file, TableOutcome& outcome) {
        std::shared_ptr<DataConnection> connection;
        QString table;
        if (!file.Storage(connection, table))
            return file.Error();
        try {
            const int64_t records = file.Records();
            SQLite::Statement read(connection->Db(), "SELECT * FROM \"" + table.toStdString() + "\"");
            int64_t count = 0;
            while (read.executeStep()) {
                ++count;
                if (progress && records > 0 && count % 64 == 0)
                    progress(static_cast<int>(count * 100 / records));
            }
            connection->Db().exec("PRAGMA wal_checkpoint(PASSIVE)");
        } catch (const std::exception& failure) {
            outcome.informed = true;
            outcome.information = QStringLiteral("Error : ") + EngineError(failure, file.Name()).Describe();
        }
        return QString();
    });
}

TableOutcome Info(const TableJob& job)
{
    TableOutcome outcome;
    std::unique_ptr<TableFile> file = FileOf(job);
    file->Open(kSharedRead);
    outcome.informed = true;
    if (file->ErrorCode() != kNoError && file->ErrorCode() != kFileAlreadyOpen) {
        outcome.information = QStringLiteral("Error : ") + file->Error();
        return outcome;
    }
    Count(*file, outcome);
    outcome.information = file->Name();
    file->Close();
    return outcome;
}

// The description of a table of the file, by its name there.
QString Described(const TableJob& job, const QString& table)
{
    for (const DeclaredTable& declared : job.declared) {
        if (declared.table.compare(table, Qt::CaseInsensitive) == 0)
            return declared.definition->Description();
    }
    return table;
}

// How many records the damaged file held in a table, as far as one of its
// keys still reads there (a key holds one entry per record, on pages of
// its own); -1 when none does.
int64_t RecordsHeld(SQLite::Database& damaged, const DeclaredTable& table)
{
    int64_t held = -1;
    for (const KeyDef& key : table.definition->Keys()) {
        try {
            held = std::max(held, damaged
                                      .execAndGet("SELECT COUNT(*) FROM " + QuoteName(table.table) + " INDEXED BY " +
                                                  QuoteName(IndexName(table.table, key)))
                                      .getInt64());
        } catch (const std::exception&) {
            // A damaged key tells nothing.
        }
    }
    return held;
}

// The records each table of the repaired file lost, by its name there, as
// far as the damaged file tells (kept: the records of each, by label).
std::map<QString, int64_t> RecordsLost(const TableJob& job, const DataFileRepair& repair,
                                       const std::map<QString, int64_t>& kept)
{
    std::map<QString, int64_t> lost;
    // Read as it lies, leaving nothing beside it; with records in a log of
    // its own, the file alone does not tell.
    if (QFileInfo::exists(repair.damagedCopy + QStringLiteral("-wal")))
        return lost;
    try {
        const QUrl copy = QUrl::fromLocalFile(QFileInfo(repair.damagedCopy).absoluteFilePath());
        SQLite::Database damaged(copy.toString(QUrl::FullyEncoded).toStdString() + "?immutable=1",
                                 SQLite::OPEN_READONLY | SQLite::OPEN_URI);
        RegisterNoCaseCollation(damaged.getHandle());
        for (const DeclaredTable& table : job.declared) {
            const auto found = kept.find(table.definition->Label());
            const int64_t held = repair.unreadableIn.count(table.table) ? RecordsHeld(damaged, table) : -1;
            if (found != kept.end() && held > found->second)
                lost[table.table] = held - found->second;
        }
    } catch (const std::exception&) {
        // The damaged copy does not open: how many were lost cannot be told.
    }
    return lost;
}

// What the repair kept, and what it could not read, table by table.
QString RepairSummary(const TableJob& job, const DataFileRepair& repair, const std::map<QString, int64_t>& recordsLost)
{
    if (repair.findings.isEmpty())
        return QStringLiteral("No damage found");
    QString text = QStringLiteral("Repaired: %1 records kept").arg(repair.recordsKept);
    QStringList lost;
    for (const auto& [table, places] : repair.unreadableIn) {
        const QString where = table.isEmpty() ? QStringLiteral("whose table cannot be told")
                                              : QStringLiteral("of ") + Described(job, table);
        const auto records = recordsLost.find(table);
        lost << QStringLiteral("%1 damaged %2 %3")
                        .arg(QString::number(places), places == 1 ? QStringLiteral("place") : QStringLiteral("places"),
                             where) +
                    (records == recordsLost.end() ? QString() : QStringLiteral(" (%1 records)").arg(records->second));
    }
    for (const QString& table : repair.tablesLost)
        lost << QStringLiteral("the table ") + table;
    if (!lost.isEmpty())
        text += QStringLiteral("; records lost in ") + lost.join(QStringLiteral(", "));
    return text + QStringLiteral("; the damaged file was kept as ") +
           QDir::toNativeSeparators(repair.damagedCopy);
}

TableOutcome Fix(const TableJob& job, const RepairProgress& progress)
{
    TableOutcome outcome;
    DataFileRepair repair;
    const DataError error = RepairDataFile(job.path, repair, progress, job.declared,
                                           [cancelled = job.cancelled] { return cancelled && *cancelled; });
    outcome.informed = true;
    if (repair.cancelled) {
        outcome.information = QStringLiteral("Cancelled: the file has been left as it was");
        return outcome;
    }
    if (error.code == kFileNotFound) {
        outcome.information = QStringLiteral("Error : ") + error.text;
        return outcome; // nothing to repair
    }
    if (error.code == kIsLocked) {
        outcome.information = QStringLiteral("Error : ") + error.text;
        RefuseExclusive(error.Describe(), outcome);
        return outcome;
    }
    if (!error.Ok()) {
        outcome.information = QStringLiteral("Error : ") + error.text;
        outcome.message = QStringLiteral("The file ") + QDir::toNativeSeparators(job.path) +
                          (repair.nothingReadable
                               ? QStringLiteral(" could not be repaired: none of its records can be read any more.")
                               : QStringLiteral(" could not be repaired.|Error: ") + error.Describe()) +
                          QStringLiteral("||The file has been left as it was.");
        outcome.caption = QStringLiteral("Error");
        return outcome;
    }
    // Every table of the file was worked on: each row of it shows its count.
    DataError opening;
    if (std::unique_ptr<DataConnection> connection = DataConnection::ConnectPrivate(job.path, opening)) {
        for (const DeclaredTable& table : job.declared) {
            try {
                outcome.fileRecords[table.definition->Label()] =
                    connection->Db().execAndGet("SELECT COUNT(*) FROM " + QuoteName(table.table)).getInt64();
            } catch (const std::exception&) {
                // A table the file does not hold keeps its "?".
            }
        }
    }
    outcome.information =
        RepairSummary(job, repair, repair.replaced ? RecordsLost(job, repair, outcome.fileRecords) : std::map<QString, int64_t>());
    // The account belongs on the rows of the tables that lost records.
    for (const DeclaredTable& table : job.declared) {
        if (repair.unreadableIn.count(table.table))
            outcome.lossLabels.push_back(table.definition->Label());
    }
    std::unique_ptr<TableFile> file = FileOf(job);
    if (file->Open(kSharedRead)) {
        Count(*file, outcome);
        file->Close();
    }
    return outcome;
}

} // namespace

QString ExclusiveAccessText(const QString& errorText)
{
    return QStringLiteral("This option requires exclusive file access.|Please ensure no other users are in the "
                          "system. |An error occurred trying to open the file : Error ") +
           errorText;
}

TableOutcome RunTableOperation(RepairOperation operation, const TableJob& job, const RepairProgress& progress)
{
    switch (operation) {
    case RepairOperation::Fix:
        return Fix(job, progress);
    case RepairOperation::Build:
        return Build(job);
    case RepairOperation::Pack:
        return Pack(job);
    case RepairOperation::Release:
        return Release(job, progress);
    case RepairOperation::Info:
        return Info(job);
    }
    return TableOutcome();
}

} // namespace vl
