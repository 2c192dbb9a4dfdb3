#pragma once
// The message a task shows: its title, its text and its alarm sound. Each
// display (a message window, the message program, the hand-over record) works
// on its own copy, so two messages shown at once never overwrite each other.

#include "core/dictionary/MsgLinkRecord.h"
#include "core/dictionary/ScheduleRecord.h"

#include <QString>

namespace vl {

// Widths of the hand-over record's fields, which every display keeps.
inline constexpr int kMessageTitleWidth = 60;
inline constexpr int kMessageTextWidth = 4096;
inline constexpr int kMessageSoundWidth = 255;

struct ShownMessage {
    QString title;
    QString text;
    QString soundFile; // blank: no sound
};

// The message of a task: its description and message with their keywords
// expanded, and its alarm file (expanded the same way) when its alarm is set.
// The expansion keeps the full width of each field, so a 4,096-character
// message keeps all its text.
ShownMessage MessageOfTask(const ScheduleRecord& task);

// The hand-over record of a message (its ID left 0), and back.
MsgLinkRecord CopyMessageFields(const ShownMessage& message);
ShownMessage MessageOfLink(const MsgLinkRecord& record);

// The caption of a message's window: "Message" for a blank title; an
// advance warning's title ("Advanced Warning:...") unchanged; any other
// title after "Message:  ".
QString MessageCaption(const QString& title);

// Writes the event "Message" with the clipped title, a blank and the sound.
void LogShownMessage(const ShownMessage& message);

} // namespace vl
