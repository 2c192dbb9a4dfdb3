#pragma once
// The frame's start-up steps that need no window: the program's name and
// version in the configuration store, the settings, the debug note in the
// event log, and which lists open at start.

#include <QString>
#include <QStringList>

namespace vl {

// The frame's title at start: "Velmora 2000 1.91".
QString StartUpTitle();

// Stores "VLMRV" = "vlmr" and "Version" = the version number in the
// configuration store, loads the settings, and logs "Debugging Active"
// (text "Debug") when the debug setting is on.
void LoadProgramSettings();

// The lists the start-up settings open, in this order: contacts, clipboard
// saver, to-do list, task list.
QStringList StartUpLists();

} // namespace vl
