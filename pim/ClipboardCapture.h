#pragma once
// Clipboard capture on the frame's tick: each new text the clipboard holds
// is stored by the clipboard saver (ClipboardSaver.h) under the title of the
// window the user works in, read through ClipboardWatch so that the tick
// never waits for the clipboard's owner. A failure to store is logged.

namespace vl {

// Plugs the capture into the frame's cycle (every tick while the clipboard
// is monitored).
void InstallClipboardCapture();

} // namespace vl
