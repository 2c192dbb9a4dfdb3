#pragma once
// Plugs the contacts into the main program when it starts: the contacts list
// and the contact categories open from the frame's menus, toolbar and tray
// menu, and at start-up when the settings ask for the contacts list.

namespace vl {

void RegisterContactProcedures();

} // namespace vl
