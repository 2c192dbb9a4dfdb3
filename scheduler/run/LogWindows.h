#pragma once
// "Log Windows": the desktop's titled windows and their children written to a
// text file, one fixed-width line of 124 characters each: title 40 and handle
// 12 for a top-level window, then blanks, child text 40, class 20 and handle
// 12 for a child. A child whose class holds "Win" is listed again later as a
// window of its own, titled "<child> (Child of <parent>)", so its children
// appear too.

#include "platform/desktop/DesktopBackend.h"

#include <QString>

#include <optional>

namespace vl {

inline constexpr int kLogWindowsLineWidth = 124;

// Writes the listing (replacing the file) and returns how many windows it
// lists; nothing when the file cannot be written.
std::optional<int> LogWindows(const QString& fileName, DesktopBackend& desktop = CurrentDesktop());

} // namespace vl
