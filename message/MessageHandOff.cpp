#include "message/MessageHandOff.h"

#include "core/dictionary/Dictionary.h"
#include "platform/process/ExecutableDirectory.h"

#include <QDir>

namespace vl {

namespace {

MessageProgramStarter& Starter()
{
    static MessageProgramStarter starter;
    return starter;
}

RunResult StartMessageProgram(const ProgramStart& start)
{
    return Starter() ? Starter()(start) : StartDetached(start);
}

} // namespace

ProgramStart MessageProgramStart(int32_t id)
{
    ProgramStart start;
    start.program = CompanionProgramPath(QLatin1String(kMessageProgramName));
    start.arguments = {QStringLiteral("ID=") + QString::number(id)};
    // Pivra finds the data files in its current directory.
    start.workingDirectory = QDir::currentPath();
    return start;
}

MessageProgramOverride::MessageProgramOverride(MessageProgramStarter starter) : previous_(std::move(Starter()))
{
    Starter() = std::move(starter);
}

MessageProgramOverride::~MessageProgramOverride()
{
    Starter() = std::move(previous_);
}

int HandOffMessage(const ShownMessage& message, Table<MsgLinkRecord>& msgLink)
{
    LogShownMessage(message);
    // Opened (and created) without the open warnings, which end the program:
    // a hand-over that fails here (a data directory that cannot be written)
    // only means that the caller shows the message itself.
    if (!msgLink.Open(TableFile::kDeclaredMode, true))
        return msgLink.ErrorCode();
    // ML:K_ID is auto-numbered: an ID of 0 takes the highest + 1 inside the
    // add's own transaction.
    MsgLinkRecord record = CopyMessageFields(message);
    int result = kNoError;
    if (!msgLink.Add(record)) {
        result = msgLink.ErrorCode();
    } else {
        result = StartMessageProgram(MessageProgramStart(record.ID)).code;
        if (result != RunCode::Started)
            msgLink.Delete(record);
    }
    msgLink.Close();
    return result;
}

int HandOffMessage(const ShownMessage& message)
{
    return HandOffMessage(message, Tables().MsgLink);
}

} // namespace vl
