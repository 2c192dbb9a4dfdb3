#pragma once
// The "DDE" step on this desktop: a method call on the session bus.
// The application is the bus name, the topic the object path, and the
// command a method call as the command-line D-Bus client writes it:
// "interface.Method arg ..." (arguments separated by blanks, double quotes
// around one that holds blanks; every argument is passed as a text). A name
// nobody owns is a failed open and sends nothing. The call is sent without
// waiting for its reply, so a peer that never answers holds nothing up.

#include <QString>

namespace vl {

// How long the bus itself may take to say whether the name is owned.
inline constexpr int kBusQueryMilliseconds = 1'000;

// False when the bus is unreachable, the name has no owner, or the command
// names no method; true once the call is sent.
bool SendDBusCommand(const QString& application, const QString& topic, const QString& command);

} // namespace vl
