#pragma once
// Where each window opens: its place and size are kept in the position INI
// file (POSITION.INI in the data directory) in a section named after the
// window's procedure, under "XPosit", "YPosit", "Width" and "Height".
// A window restores them when it opens and saves them when it closes.

#include "platform/runtime/IniFile.h"

#include <QList>
#include <QRect>
#include <QString>

#include <optional>

class QWidget;

namespace vl {

inline constexpr char kPositionIniFile[] = "POSITION.INI";

// The saved place of the procedure's window (the window's inner area in
// screen coordinates); nothing when none is saved, when an entry was reset
// to empty, or when the entries are not a usable place (not numbers, or no
// positive size).
std::optional<QRect> ReadWindowPlace(const IniFile& ini, const QString& procedure);
// Saves a place; false when the file could not be written.
bool WriteWindowPlace(IniFile& ini, const QString& procedure, const QRect& place);

// The place a window gets on the screens: the available area (the screen
// without its panels) of the screen the place lands on (the one it overlaps
// most, else the nearest one) takes it whole: the size is cut to the area and
// the place moved as little as needed to lie inside it. Without screens the
// place is kept as it is.
QRect FitOnScreens(const QRect& place, const QList<QRect>& areas);

// Every time the window is shown it is fitted on the screens, and again
// when it first appears, with the frame the desktop then gave it (and once
// more should the desktop frame it only after that), so no
// window opens out of the user's reach, whether its place was saved on a
// larger or removed screen or its own size is too large. A window whose place the desktop chooses keeps
// that choice while it fits the screen. The window positions below install
// this themselves.
void KeepOnScreen(QWidget& window);

// Called by a window before it is shown: puts it at its saved place, if any,
// and keeps it on the screen (KeepOnScreen).
void RestoreWindowPosition(const IniFile& ini, QWidget& window, const QString& procedure);
// Called by a window when it closes. A maximised or minimised window saves
// the place it had before it was maximised or minimised; a hidden window
// saves nothing.
void SaveWindowPosition(IniFile& ini, const QWidget& window, const QString& procedure);

// For windows without close steps of their own: restores the window's place
// under the procedure name when it is first shown and saves it when the
// program hides or closes it (dialogs end by hiding).
void KeepWindowPosition(QWidget& window, const QString& procedure);

} // namespace vl
