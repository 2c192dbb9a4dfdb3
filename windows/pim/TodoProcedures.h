#pragma once
// Plugs the to-do list and the clipboard saver's windows into the main
// program when it starts: "BrowseToDoList" and "BrowseClipboard" open from
// the frame's menu, toolbar and at start-up, "BrowseClipboardCategories"
// from the menu.

namespace vl {

void RegisterTodoProcedures();

} // namespace vl
