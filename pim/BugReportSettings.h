#pragma once
// What a bug report tells about the running program: its settings as
// "name=value" lines, in a fixed order, and the system it runs on. The lines
// are shown in the bug report window before they are sent. No password is
// ever listed: the news login belongs to each stored message, not to the
// settings, and is left out; so are the names of program-wide values this
// program does not keep (forms and hand-overs get their values passed, and
// there is no system service).

#include <QString>
#include <QStringList>

#include <functional>

namespace vl {

inline constexpr int kSettingsLineWidth = 80;

// The settings lines, then the system lines, each cut at 80 characters.
// Texts as stored, numbers and flags in decimal.
QStringList BugReportSettingsLines();

// A value kept by a library above this one (the frame's window, the open
// windows, the report criteria), added under its name at start-up with a
// function that gives it now; a second addition of a name replaces the
// first. It is listed at the name's place in the fixed order.
void AddBugReportValue(const QString& name, std::function<QString()> value);

// The system lines: the operating system (from /etc/os-release) and its
// kernel, the Qt version, the screen and the locale.
QStringList SystemInformationLines();

// The name of the operating system in the text of an os-release file: its
// PRETTY_NAME, else NAME and VERSION; blank when it names neither.
QString OsReleaseName(const QString& osReleaseText);

} // namespace vl
