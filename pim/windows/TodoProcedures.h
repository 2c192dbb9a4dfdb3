#pragma once
// Plugs the to-do list into the main program when it starts: "BrowseToDoList"
// opens from the frame's menu, toolbar and at start-up.

namespace vl {

void RegisterTodoProcedures();

} // namespace vl
