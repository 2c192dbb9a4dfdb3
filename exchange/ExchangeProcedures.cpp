#include "exchange/ExchangeProcedures.h"

#include "core/dictionary/Dictionary.h"
#include "exchange/SyncExchange.h"
#include "platform/ui/EventNumbers.h"
#include "platform/ui/PromptService.h"
#include "platform/ui/ThreadPost.h"

namespace vl {
namespace {

const char kExportFailedCaption[] = "Export Failed";
const char kSyncFailedCaption[] = "Synchronization Failed";
const char kSyncRefusedCaption[] = "To Do Items Not Received";
const char kImportFailedCaption[] = "Cannot OPEN ";

bool ShowSyncOutcome(const SyncOutcome& outcome)
{
    if (!outcome.ok)
        Prompt::Message(outcome.error + QStringLiteral("|Nothing was changed."), QLatin1String(kSyncFailedCaption),
                        PromptIcon::Stop);
    else if (!outcome.refused.isEmpty())
        Prompt::Message(outcome.refused.join(QLatin1Char('|')), QLatin1String(kSyncRefusedCaption),
                        PromptIcon::Exclamation);
    return outcome.ok;
}

template <class R>
ImportResult ImportInto(Table<R>& table, const ImportMapping& mapping, const ImexFile& file, bool stripHeader)
{
    if (!OpenTable(table)) {
        ImportResult result;
        result.caption = AddFailureCaption(mapping.Info());
        result.error = QStringLiteral("Error #%1 - %2").arg(table.ErrorCode()).arg(table.Error());
        return result;
    }
    ImportResult result = ImportRecords(table, mapping, file, stripHeader);
    table.Close();
    return result;
}

template <class R>
ExportResult ExportFrom(Table<R>& table, KeyRef order, const QString& path, const std::vector<ExportColumn>& columns,
                        bool header, const ExportProgress& progress)
{
    if (!OpenTable(table)) {
        ExportResult result;
        result.error = QStringLiteral("%1: Error #%2 - %3").arg(table.Definition().Label()).arg(table.ErrorCode())
                           .arg(table.Error());
        return result;
    }
    ExportResult result = ExportTable(table, order, path, columns, header, progress);
    table.Close();
    return result;
}

} // namespace

QString& ImexFileName()
{
    static QString name;
    return name;
}

bool RunExport(ExchangeTable table, const std::vector<ExportColumn>& columns, bool header,
               const ExportProgress& progress)
{
    const QString path = Prompt::SaveFile(QLatin1String(kExportDialogTitle), QLatin1String(kExportDialogFilter),
                                          ImexFileName());
    if (path.isEmpty())
        return false;
    ImexFileName() = path;
    Dictionary& d = Tables();
    ExportResult result;
    switch (table) {
    case ExchangeTable::Schedule:
        result = ExportFrom(d.Schedule, SCH_KEYCATEGORYDATE, path, columns, header, progress);
        break;
    case ExchangeTable::Contacts:
        result = ExportFrom(d.Contact, C_KEYCLIENTID, path, columns, header, progress);
        break;
    case ExchangeTable::Todo:
        result = ExportFrom(d.Todo, TDO_KEYCATEGORY, path, columns, header, progress);
        break;
    }
    if (!result.ok && !result.cancelled)
        Prompt::Message(result.error, QLatin1String(kExportFailedCaption), PromptIcon::Stop);
    return result.ok;
}

bool RunSyncSend()
{
    const QString file = Prompt::SaveFile(QLatin1String(kSyncSendDialogTitle), QLatin1String(kSyncDialogFilter),
                                          SyncFilePart(GlobalSyncScheduleFilename));
    return !file.isEmpty() && ShowSyncOutcome(SyncSend(file));
}

bool RunSyncReceive()
{
    const QString file = Prompt::OpenFile(QLatin1String(kSyncReceiveDialogTitle), QLatin1String(kSyncDialogFilter),
                                          SyncFilePart(GlobalSyncScheduleFilename));
    return !file.isEmpty() && ShowSyncOutcome(SyncReceive(file));
}

std::optional<ImexFile> ChooseImportFile()
{
    for (;;) {
        const QString path = Prompt::OpenFile(QLatin1String(kImportDialogTitle), QLatin1String(kImportDialogFilter),
                                              ImexFileName());
        if (path.isEmpty())
            return std::nullopt;
        ImexFileName() = path;
        ImexFile file = ReadImexFile(path);
        if (!file.ok) {
            const QString caption = file.malformed ? LineFailureCaption() : QLatin1String(kImportFailedCaption) + path;
            Prompt::Message(file.error + QStringLiteral("|Nothing was imported."), caption, PromptIcon::Stop);
            return std::nullopt;
        }
        if (!file.records.empty())
            return file;
        Prompt::Message(QLatin1String(kEmptyFileText), QLatin1String(kEmptyFileCaption), PromptIcon::Information);
    }
}

ImportResult RunImport(const ImportMapping& mapping, const ImexFile& file, bool stripHeader)
{
    Dictionary& d = Tables();
    ImportResult result;
    switch (mapping.Info().table) {
    case ExchangeTable::Schedule: result = ImportInto(d.Schedule, mapping, file, stripHeader); break;
    case ExchangeTable::Contacts: result = ImportInto(d.Contact, mapping, file, stripHeader); break;
    case ExchangeTable::Todo: result = ImportInto(d.Todo, mapping, file, stripHeader); break;
    }
    if (!result.ok)
        Prompt::Message(result.error + QStringLiteral("|Nothing was imported."), result.caption, PromptIcon::Stop);
    else if (mapping.Info().table == ExchangeTable::Schedule)
        CurrentThreadPost().Broadcast(ThreadGroup::TaskLists, EventNumber::kRefreshTaskList); // the open task lists show them
}

} // namespace vl
