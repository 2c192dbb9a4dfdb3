#pragma once
// How the message program takes the message handed to it: its command line
// "ID=" names the hand-over record; the program takes the first record whose
// ID is at least that number, or the highest when the number is 0. Reading
// and deleting the record are one transaction, so two copies of the program
// started at once never take the same message, and the taken message lives
// on only in the program's memory until it is on screen.

#include "core/dictionary/MsgLinkRecord.h"
#include "platform/data/Table.h"

#include <QStringList>

#include <optional>

namespace vl {

// The number of the "ID" parameter (name in any letter case); 0 when it is
// missing or not a number.
int32_t MessageIdArgument(const QStringList& arguments);

// Reads and deletes the hand-over record; nothing when the file or the
// record is missing. A record whose delete fails is still returned (it is
// shown; a later run may show it again), never lost.
std::optional<MsgLinkRecord> TakeHandedOverMessage(Table<MsgLinkRecord>& msgLink, int32_t id);

} // namespace vl
