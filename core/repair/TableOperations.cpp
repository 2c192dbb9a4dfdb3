#include "core/repair/TableOperations.h"

#include "platform/data/Connection.h"
#include "platform/data/DataFileRepair.h"
#include "platform/data/KeySql.h"
#include "platform/data/Maintenance.h"
#include "platform/data/TableFile.h"

#include <QDir>

#include <SQLiteCpp/Statement.h>

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

// What the repair kept, and what it could not read, table by table.
QString RepairSummary(const TableJob& job, const DataFileRepair& repair)
{
    if (repair.findings.isEmpty())
        return QStringLiteral("No damage found");
    QString text = QStringLiteral("Repaired: %1 records kept").arg(repair.recordsKept);
    QStringList lost;
    // Counted where a key of the table tells what it held; otherwise the
    // damaged places say where records were.
    for (const auto& [table, records] : repair.recordsLostIn) {
        if (records > 0)
            lost << QStringLiteral("%1 %2 of %3")
                        .arg(QString::number(records), records == 1 ? QStringLiteral("record") : QStringLiteral("records"),
                             Described(job, table));
    }
    for (const auto& [table, places] : repair.unreadableIn) {
        if (repair.recordsLostIn.count(table))
            continue;
        const QString where = table.isEmpty() ? QStringLiteral("whose table cannot be told")
                                              : QStringLiteral("of ") + Described(job, table);
        lost << QStringLiteral("the records in %1 damaged %2 %3")
                    .arg(QString::number(places), places == 1 ? QStringLiteral("place") : QStringLiteral("places"), where);
    }
    for (const QString& table : repair.tablesLost)
        lost << QStringLiteral("the table ") + table;
    if (!lost.isEmpty())
        text += QStringLiteral("; lost: ") + lost.join(QStringLiteral(", "));
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
    outcome.information = RepairSummary(job, repair);
    // The account belongs on the rows of the tables that lost records; where
    // none did, on those whose damaged pages were read around.
    for (const bool lostOnly : {true, false}) {
        for (const DeclaredTable& table : job.declared) {
            const auto counted = repair.recordsLostIn.find(table.table);
            const bool lost = counted != repair.recordsLostIn.end() ? counted->second > 0
                                                                     : repair.unreadableIn.count(table.table) > 0;
            if (lost || (!lostOnly && repair.unreadableIn.count(table.table) > 0))
                outcome.lossLabels.push_back(table.definition->Label());
        }
        if (!outcome.lossLabels.empty())
            break;
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
