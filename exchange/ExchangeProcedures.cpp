#include "exchange/ExchangeProcedures.h"

#include "core/base/EventLog.h"
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
const char kImportLogLabel[] = "Import";

QString Counted(int count, const char* one, const char* many)
{
    return count == 1 ? QStringLiteral("1 %1").arg(QLatin1String(one))
                      : QStringLiteral("%1 %2").arg(count).arg(QLatin1String(many));
}

// The progress of a run, or none; Tell() is true without one.
struct Progress {
    explicit Progress(const MakeRunProgress& make) : shown(make ? make() : nullptr) {}
    std::function<bool(int)> Teller()
    {
        return [this](int percent) { return !shown || shown->Tell(percent); };
    }
    // Says what the run did: in the progress window when there is one.
    void Done(const QString& done, const char* caption)
    {
        if (shown)
            shown->Finish(done);
        else
            Prompt::Notify(done, QLatin1String(caption), PromptIcon::Information);
    }
    std::unique_ptr<RunProgress> shown;
};

bool ShowSyncOutcome(const SyncOutcome& outcome, const QString& done)
{
    if (outcome.cancelled)
        Prompt::Notify(QStringLiteral("Cancelled: nothing was changed."), QLatin1String(kSyncFailedCaption),
                       PromptIcon::Information);
    else if (!outcome.ok)
        Prompt::Message(outcome.error + QStringLiteral("|Nothing was changed."), QLatin1String(kSyncFailedCaption),
                        PromptIcon::Stop);
    else if (!outcome.refused.isEmpty())
        Prompt::Message(done + QStringLiteral("||Left out:|") + outcome.refused.join(QLatin1Char('|')),
                        QLatin1String(kSyncRefusedCaption), PromptIcon::Exclamation);
    else
        Prompt::Notify(done, QLatin1String(kSyncCompletedCaption), PromptIcon::Information);
    return outcome.ok;
}

template <class R>
ImportResult ImportInto(Table<R>& table, const ImportMapping& mapping, bool stripHeader,
                        const ImportProgress& progress)
{
    if (!OpenTable(table)) {
        ImportResult result;
        result.caption = AddFailureCaption(mapping.Info());
        result.error = QStringLiteral("Error #%1 - %2").arg(table.ErrorCode()).arg(table.Error());
        return result;
    }
    ImexReader reader = mapping.Reader();
    ImportResult result = ImportRecords(table, mapping, reader, stripHeader, progress);
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
               const MakeRunProgress& makeProgress)
{
    const QString path = Prompt::SaveFile(QLatin1String(kExportDialogTitle), QLatin1String(kExportDialogFilter),
                                          ImexFileName());
    if (path.isEmpty())
        return false;
    ImexFileName() = path;
    Progress progress(makeProgress);
    Dictionary& d = Tables();
    ExportResult result;
    switch (table) {
    case ExchangeTable::Schedule:
        result = ExportFrom(d.Schedule, SCH_KEYCATEGORYDATE, path, columns, header, progress.Teller());
        break;
    case ExchangeTable::Contacts:
        result = ExportFrom(d.Contact, C_KEYCLIENTID, path, columns, header, progress.Teller());
        break;
    case ExchangeTable::Todo:
        result = ExportFrom(d.Todo, TDO_KEYCATEGORY, path, columns, header, progress.Teller());
        break;
    }
    if (result.cancelled) {
        progress.shown.reset();
        Prompt::Notify(QStringLiteral("Export cancelled: %1 was not written.").arg(path),
                       QLatin1String(kExportFailedCaption), PromptIcon::Information);
    } else if (!result.ok) {
        progress.shown.reset();
        Prompt::Message(result.error, QLatin1String(kExportFailedCaption), PromptIcon::Stop);
    } else if (result.records == 0) {
        progress.shown.reset();
        Prompt::Notify(QStringLiteral("The %1 table holds no records: %2 holds %3.")
                           .arg(ExchangeInfo(table).label, path,
                                header ? QStringLiteral("only the header line") : QStringLiteral("nothing")),
                       QLatin1String(kExportCompletedCaption), PromptIcon::Information);
    } else {
        progress.Done(QStringLiteral("%1 written to %2.").arg(Counted(result.records, "record", "records"), path),
                      kExportCompletedCaption);
    }
    return result.ok;
}

std::optional<ImexReader> ChooseImportFile()
{
    for (;;) {
        const QString path = Prompt::OpenFile(QLatin1String(kImportDialogTitle), QLatin1String(kImportDialogFilter),
                                              ImexFileName());
        if (path.isEmpty())
            return std::nullopt;
        ImexFileName() = path;
        ImexReader reader = ImexReader::OfFile(path);
        ImexRecord first;
        if (reader.Open() && reader.Next(first) && reader.Rewind())
            return reader;
        if (!reader.Error().isEmpty()) {
            const QString caption = reader.Malformed() ? LineFailureCaption() : QLatin1String(kImportFailedCaption) + path;
            Prompt::Message(reader.Error() + QStringLiteral("|Nothing was imported."), caption, PromptIcon::Stop);
            return std::nullopt;
        }
        Prompt::Message(QLatin1String(kEmptyFileText), QLatin1String(kEmptyFileCaption), PromptIcon::Information);
    }
}

ImportResult RunImport(const ImportMapping& mapping, bool stripHeader, const MakeRunProgress& makeProgress)
{
    Progress progress(makeProgress);
    Dictionary& d = Tables();
    ImportResult result;
    switch (mapping.Info().table) {
    case ExchangeTable::Schedule: result = ImportInto(d.Schedule, mapping, stripHeader, progress.Teller()); break;
    case ExchangeTable::Contacts: result = ImportInto(d.Contact, mapping, stripHeader, progress.Teller()); break;
    case ExchangeTable::Todo: result = ImportInto(d.Todo, mapping, stripHeader, progress.Teller()); break;
    }
    if (result.ok) {
        if (mapping.Info().table == ExchangeTable::Schedule) // the open task lists show the new tasks
            CurrentThreadPost().Broadcast(ThreadGroup::TaskLists, EventNumber::kRefreshTaskList);
        for (const QString& cut : ImportCutLogTexts(result))
            WriteEventLog(QLatin1String(kImportLogLabel), cut);
        progress.Done(ImportCompletedText(result), kImportCompletedCaption);
        return result;
    }
    progress.shown.reset();
    if (result.cancelled)
        Prompt::Notify(QStringLiteral("Import cancelled: nothing was imported."), LineFailureCaption(),
                       PromptIcon::Information);
    else
        Prompt::Message(result.error + QStringLiteral("|Nothing was imported."), result.caption, PromptIcon::Stop);
    return result;
}

bool RunSyncSend(const MakeRunProgress& makeProgress)
{
    const QString file = Prompt::SaveFile(QLatin1String(kSyncSendDialogTitle), QLatin1String(kSyncDialogFilter),
                                          SyncFilePart(GlobalSyncScheduleFilename));
    if (file.isEmpty())
        return false;
    Progress progress(makeProgress);
    const SyncOutcome outcome = SyncSend(file, progress.Teller());
    progress.shown.reset();
    return ShowSyncOutcome(outcome, QStringLiteral("Sent %1 and %2 to %3.")
                                        .arg(Counted(outcome.tasks, "task", "tasks"),
                                             Counted(outcome.todos, "to-do item", "to-do items"),
                                             SyncFilePart(file)));
}

bool RunSyncReceive(const MakeRunProgress& makeProgress)
{
    const QString file = Prompt::OpenFile(QLatin1String(kSyncReceiveDialogTitle), QLatin1String(kSyncDialogFilter),
                                          SyncFilePart(GlobalSyncScheduleFilename));
    if (file.isEmpty())
        return false;
    Progress progress(makeProgress);
    const SyncOutcome outcome = SyncReceive(file, progress.Teller());
    progress.shown.reset();
    return ShowSyncOutcome(outcome, QStringLiteral("Received from %1: %2 and %3 added or replaced.")
                                        .arg(SyncFilePart(file), Counted(outcome.tasks, "task", "tasks"),
                                             Counted(outcome.todos, "to-do item", "to-do items")));
}

} // namespace vl
