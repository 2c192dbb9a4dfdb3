#pragma once
// The frame procedure: shows the program's main window and runs the event
// loop until the user exits. Returns the loop's exit code.

namespace vl {

int Main();

} // namespace vl
