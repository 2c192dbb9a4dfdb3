#pragma once
// The numbered events that windows post to one another (NumberedEvents.h).

namespace vl::EventNumber {

// To a list or wizard: restore it when minimised, raise and activate it.
inline constexpr int kBringForward = 518;
// A list posts this to itself once its window has opened; Xplore then reads
// the list's columns back. Every list uses this one number.
inline constexpr int kWindowOpened = 1081;
// To a task list: re-read and redisplay its rows.
inline constexpr int kRefreshTaskList = 1090;

// To the frame: the tray icon was clicked.
inline constexpr int kTrayClick = 1089;
inline constexpr int kTrayRightClick = 1090;
inline constexpr int kTrayDoubleClick = 1091;
inline constexpr int kTrayRightDoubleClick = 1092;
// To the frame: the taskbar was re-created, so the tray icon must be added again.
inline constexpr int kTaskbarCreated = 1093;
// To the frame: register the hot keys again.
inline constexpr int kRegisterHotKeys = 1097;
// To the frame: stop every running script.
inline constexpr int kStopScripts = 1103;
// To the frame: a registered hot key was pressed.
inline constexpr int kHotKeyPressed = 1810;
// To the frame: the session is asked to end, and is ending.
inline constexpr int kSessionEndQuery = 1041;
inline constexpr int kSessionEnd = 1046;

} // namespace vl::EventNumber
