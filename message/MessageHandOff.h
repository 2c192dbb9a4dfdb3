#pragma once
// Handing a message to the message program (Pivra): one MsgLink record holds
// the message, and Pivra is started with "ID=" and that record's ID, from the
// directory of the running program, in the data directory (the current
// directory), without waiting. Pivra takes the record and deletes it.

#include "core/dictionary/MsgLinkRecord.h"
#include "message/ShownMessage.h"
#include "platform/data/Table.h"
#include "platform/process/ProcessStart.h"

#include <functional>

namespace vl {

inline constexpr char kMessageProgramName[] = "Pivra";

// The start of the message program for a hand-over record.
ProgramStart MessageProgramStart(int32_t id);

// How the message program is started: detached, unless a test installs
// another way for the lifetime of an override.
using MessageProgramStarter = std::function<RunResult(const ProgramStart&)>;
class MessageProgramOverride {
public:
    explicit MessageProgramOverride(MessageProgramStarter starter);
    ~MessageProgramOverride();
    MessageProgramOverride(const MessageProgramOverride&) = delete;
    MessageProgramOverride& operator=(const MessageProgramOverride&) = delete;

private:
    MessageProgramStarter previous_;
};

// Logs the event "Message", adds the hand-over record under the next free
// ID (1 in an empty table) and starts the message program. Result 0 when it
// was started; otherwise the open's or the add's error code (never a warning
// or a stop of the program) or the start's run code. A
// record the message program will never read (its start failed) is deleted
// again, so it cannot turn up later as a second copy of a message the caller
// then shows itself.
int HandOffMessage(const ShownMessage& message, Table<MsgLinkRecord>& msgLink);
// The same through the program's MsgLink file object.
int HandOffMessage(const ShownMessage& message);

} // namespace vl
