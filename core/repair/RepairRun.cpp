#include "core/repair/RepairRun.h"

#include "core/dictionary/Dictionary.h"
#include "platform/data/DataFileName.h"
#include "platform/ui/PromptService.h"

#include <QFileInfo>

#include <algorithm>

namespace vl {

namespace {

const char kYesNo[] = "&Yes|&No";

QString MultiTableQuestion(const QString& path)
{
    return QStringLiteral("This is a multi-table data file: the repair works on the whole file ") +
           QFileInfo(path).fileName() +
           QStringLiteral(", with every table in it. The file is replaced only by a repaired copy that checks "
                          "sound; the damaged file is kept beside it.  Do you want to continue ? ");
}

// The program's tables kept in the data file at path.
std::vector<DeclaredTable> TablesInFile(const QString& path)
{
    std::vector<DeclaredTable> tables;
    for (TableFile* table : Tables().AllTables()) {
        const DataFileName name = ResolveDataFileName(table->Name(), table->Definition().Label());
        if (QFileInfo(name.path).absoluteFilePath() == path)
            tables.push_back({name.table, table->DefinitionPtr()});
    }
    return tables;
}

// The data file of a row's table; empty when the program has no such table.
QString DataFileOf(const QString& label)
{
    const TableFile* file = Tables().FindTable(label);
    return file ? DataFilePath(*file) : QString();
}

} // namespace

int RepairRun::FilesLeft() const
{
    if (operation_ != RepairOperation::Fix)
        return static_cast<int>(order_.size() - next_);
    // A repair works on data files: those of the tables after the one in
    // hand that no table before has taken in hand.
    std::set<QString> files;
    for (size_t i = next_; i < order_.size(); ++i) {
        const QString path = DataFileOf(rows_[order_[i]].label);
        if (!path.isEmpty() && !askedFiles_.count(path))
            files.insert(path);
    }
    return static_cast<int>(files.size());
}

RepairRun::RepairRun(RepairOperation operation, std::vector<RepairRow>& rows, int highlighted)
    : operation_(operation), rows_(rows), order_(RowsToProcess(rows, highlighted))
{
}

void RepairRun::Agreed(const QString& path)
{
    agreedFiles_.insert(QFileInfo(path).absoluteFilePath());
}

std::optional<TableJob> RepairRun::Next(PromptService& prompt)
{
    while (!*cancelled_ && next_ < order_.size()) {
        current_ = order_[next_++];
        const RepairRow& row = rows_[current_];
        TableFile* file = Tables().FindTable(row.label);
        if (!file)
            continue;
        TableJob job;
        job.label = row.label;
        job.definition = file->DefinitionPtr();
        job.fileName = file->Name();
        job.path = DataFileOf(row.label);
        job.cancelled = cancelled_;
        if (operation_ == RepairOperation::Fix) {
            // A data file is repaired whole, and asked about, once per run.
            if (!askedFiles_.insert(job.path).second)
                continue;
            job.declared = TablesInFile(job.path);
            if (job.fileName.contains(QLatin1String("\\!")) && !agreedFiles_.count(job.path) &&
                prompt.Message(MultiTableQuestion(job.path), QLatin1String(kMultiTableCaption),
                               PromptIcon::Exclamation, QLatin1String(kYesNo), 2) != 1)
                continue;
        }
        return job;
    }
    return std::nullopt;
}

void RepairRun::Finish(const TableOutcome& outcome, PromptService& prompt)
{
    if (current_ < 0)
        return;
    for (RepairRow& other : rows_) {
        if (const auto found = outcome.fileRecords.find(other.label); found != outcome.fileRecords.end())
            other.records = QString::number(found->second);
    }
    RepairRow& row = rows_[current_];
    if (outcome.counted)
        row.records = QString::number(outcome.records);
    else if (outcome.informed)
        row.records = QLatin1String(kRepairUnknownRecords);
    if (outcome.informed && outcome.lossLabels.empty())
        row.information = outcome.information;
    for (RepairRow& lost : rows_) {
        if (std::find(outcome.lossLabels.begin(), outcome.lossLabels.end(), lost.label) != outcome.lossLabels.end())
            lost.information = outcome.information;
    }
    if (!outcome.message.isEmpty())
        prompt.Message(outcome.message, outcome.caption, PromptIcon::Stop, QString(), 1);
}

void RunRepair(RepairOperation operation, std::vector<RepairRow>& rows, int highlighted, PromptService& prompt)
{
    RepairRun run(operation, rows, highlighted);
    while (const std::optional<TableJob> job = run.Next(prompt))
        run.Finish(RunTableOperation(operation, *job), prompt);
}

bool OfferBadFileRepair(PromptService& prompt, const QString& badFile)
{
    const QString question = QStringLiteral("Warning : The program may have crashed attempting to open the file ") +
                             badFile +
                             QStringLiteral(". Do you wish to have the program attempt to fix the file ? ");
    if (prompt.Message(question, QStringLiteral("Warning"), PromptIcon::Exclamation, QLatin1String(kYesNo), 1) != 1)
        return false;
    std::vector<RepairRow> rows = RepairTableRows();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (rows[i].label.toUpper() != badFile.toUpper())
            continue;
        RunRepair(RepairOperation::Fix, rows, i, prompt);
        // The account is on the rows of the tables that lost records, or on this one.
        for (const RepairRow& row : rows) {
            if (row.information.isEmpty() || row.information.startsWith(QLatin1String("Error : ")))
                continue;
            prompt.Message(row.description + QStringLiteral(": ") + row.information, QStringLiteral("Information"),
                           PromptIcon::Information, QString(), 1);
            break;
        }
    }
    return true;
}

} // namespace vl
