#include "message/HandOverRead.h"

#include "message/MessageProgramTables.h"

namespace vl {

int32_t MessageIdArgument(const QStringList& arguments)
{
    const QString name = QStringLiteral("ID=");
    for (const QString& argument : arguments) {
        const QString trimmed = argument.trimmed();
        if (!trimmed.startsWith(name, Qt::CaseInsensitive))
            continue;
        bool ok = false;
        const int32_t id = trimmed.mid(name.size()).trimmed().toInt(&ok);
        return ok ? id : 0;
    }
    return 0;
}

std::optional<MsgLinkRecord> TakeHandedOverMessage(Table<MsgLinkRecord>& msgLink, int32_t id)
{
    if (!OpenShared(msgLink))
        return std::nullopt;
    // The read and the delete hold the file's write lock together.
    const bool batch = msgLink.Stream();
    MsgLinkRecord record;
    bool found = false;
    if (id != 0) {
        MsgLinkRecord position;
        position.ID = id;
        found = msgLink.Set(ML_K_ID, position) && msgLink.Next(record);
    } else {
        found = msgLink.Set(ML_K_ID) && msgLink.Previous(record);
    }
    if (found)
        msgLink.Delete(record);
    if (batch)
        msgLink.Flush();
    msgLink.Close();
    if (!found)
        return std::nullopt;
    return record;
}

} // namespace vl
