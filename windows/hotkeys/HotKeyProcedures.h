#pragma once
// Plugs the hot-key windows into the main program when it starts: the
// frame's "Hot Keys" opens the hot-key list, "New Hot Key" the hot-key form
// on a new hot key.

namespace vl {

void RegisterHotKeyProcedures();

} // namespace vl
