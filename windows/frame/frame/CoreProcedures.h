#pragma once
// Registers the procedures of the program core that the frame's menus
// start (the event log viewer, ...), so the frame enables their items.

namespace vl {

void RegisterCoreProcedures();

} // namespace vl
