#include "pim/ReportDataFile.h"

#include "core/dictionary/MessagesRecord.h"
#include "core/dictionary/ScriptingRecord.h"
#include "core/dictionary/TableDefinitions.h"
#include "platform/data/Maintenance.h"
#include "platform/data/Table.h"
#include "platform/runtime/FixedText.h"
#include "scripting/items/ScriptActions.h"
#include "scripting/items/ScriptItemForm.h"

#include <QFile>

namespace vl {
namespace {

namespace A = ScriptAction;

// The name of a table of the main data file inside the copy at target.
QString TableInCopy(const TableDef& definition, const QString& target)
{
    const QString declared = definition.FileName();
    return target + QStringLiteral("\\!") + declared.mid(declared.lastIndexOf(QStringLiteral("\\!")) + 2);
}

// Walks every record of the table in the copy and rewrites those that clear
// changes, in one batch. A table the copy does not hold has nothing to clear.
template <class R, class Clear>
DataError ClearInCopy(std::shared_ptr<const TableDef> definition, const QString& target, Clear clear)
{
    Table<R> table(definition);
    table.SetName(TableInCopy(*definition, target));
    if (!table.Open())
        return table.ErrorCode() == kFileNotFound ? DataError{} : table.LastError();
    DataError error;
    if (table.Stream()) {
        R record;
        table.Set(FileOrder);
        while (error.Ok() && table.Next(record)) {
            if (clear(record) && !table.Put(record))
                error = table.LastError();
        }
        if (error.Ok() && table.LastError().WalkFailed())
            error = table.LastError();
        if (!table.Flush() && error.Ok())
            error = table.LastError();
    } else {
        error = table.LastError();
    }
    table.Close();
    return error;
}

bool ClearNewsPassword(MessagesRecord& message)
{
    if (Clip(message.NEWS_PASSWORD).isEmpty())
        return false;
    message.NEWS_PASSWORD.clear();
    return true;
}

// A "File Actions" step keeps its FTP password after the user name
// (characters 129-255 of the application topic).
bool ClearFtpPassword(ScriptingRecord& item)
{
    if (!A::IsAction(item.Action, A::FileActions) || Clip(item.DDEApplicationTopic.mid(kFtpUserWidth)).isEmpty())
        return false;
    item.DDEApplicationTopic = Clip(CutTo(item.DDEApplicationTopic, kFtpUserWidth));
    return true;
}

} // namespace

DataError CopyDataFileForReport(const QString& path, const QString& target)
{
    DataError error = CopyDataFileSnapshot(path, target);
    if (error.Ok())
        error = ClearInCopy<MessagesRecord>(MessagesDefinition(), target, ClearNewsPassword);
    if (error.Ok())
        error = ClearInCopy<ScriptingRecord>(ScriptingDefinition(), target, ClearFtpPassword);
    // Packed, the copy keeps no cleared bytes in its free space, however the
    // storage engine was built to treat freed space.
    if (error.Ok())
        error = PackDataFile(target);
    if (!error.Ok())
        QFile::remove(target);
    return error;
}

} // namespace vl
