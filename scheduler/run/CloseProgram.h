#pragma once
// The "Close Program" step for a program named by its file: every window the
// program shows is asked to close, as its close button would, so that it can
// still offer to save its work; a program of that name that shows no window
// is asked to end (SIGTERM). This process itself is never touched.

#include "platform/desktop/DesktopBackend.h"

#include <QString>

namespace vl {

// Whether a program file name ("/usr/bin/gedit", "gedit.exe") names the
// program: the file names equal, case ignored, with or without an extension
// on the step's side.
bool ProgramNameMatches(const QString& stepName, const QString& programFile);

// How many windows and processes were asked to close.
int CloseProgramNamed(const QString& name, DesktopBackend& desktop = CurrentDesktop());

} // namespace vl
