#pragma once
// What a bug report tells about the running program: its settings as
// "name=value" lines, in a fixed order, and the system it runs on. The lines
// are shown in the bug report window before they are sent. No password is
// ever listed: the news login belongs to each stored message, not to the
// settings, and is left out.

#include <QString>
#include <QStringList>

namespace vl {

inline constexpr int kSettingsLineWidth = 80;

// The settings lines, then the system lines, each cut at 80 characters.
// Texts as stored, numbers and flags in decimal.
QStringList BugReportSettingsLines();

// The system lines: the operating system (from /etc/os-release) and its
// kernel, the Qt version, the screen and the locale.
QStringList SystemInformationLines();

// The name of the operating system in the text of an os-release file: its
// PRETTY_NAME, else NAME and VERSION; blank when it names neither.
QString OsReleaseName(const QString& osReleaseText);

} // namespace vl
