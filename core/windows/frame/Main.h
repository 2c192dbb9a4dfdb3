#pragma once
// The frame procedure: registers the core's procedures, shows the program's
// main window and runs the event loop until the user exits. Returns the
// loop's exit code. The program body (ProgramMain) runs it once start-up has
// found the data directory and the dictionary.

namespace vl {

int Main();

} // namespace vl
