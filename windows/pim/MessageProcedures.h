#pragma once
// Plugs the stored messages into the main program when it starts: the
// frame's "E-mail Messages" opens the message list, one window at a time.

namespace vl {

void RegisterMessageProcedures();

} // namespace vl
