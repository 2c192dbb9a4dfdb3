#pragma once
// Finds a desktop window by a title pattern, and optionally by a text one of
// its child windows must contain, for the steps that wait for, focus or test
// a window and for the window pickers of the script item editor.
//
// A leading "~" of the pattern (to Wait: until the window has gone) is
// ignored. Case is ignored everywhere. The pattern matches a window
//   - whose title equals it ("Untitled - Editor");
//   - whose title contains the phrase after a leading "*" ("*Editor");
//   - whose title begins with the text before the first "*" at a later
//     place ("Untitled*": what follows that "*" is ignored).
// Only a leading "*" is a wildcard for containment: "*Note*" looks for the
// text "NOTE*" with its star. When no title matches, a pattern equal to a
// window's program file name ("gedit", or "gedit" for "/usr/bin/gedit")
// matches that window.
//
// Hidden windows (withdrawn or never shown) match only while the setting
// ExclHidden is off, as the window lists show them; windows that are gone by
// the time they are read never match. With contents, a matching window counts only when the title of
// one of its descendants contains them; otherwise the next one is tried.

#include "scripting/WindowLists.h"

namespace vl {

// Whether a window title matches the pattern (without the leading "~").
bool TitleMatches(const QString& pattern, const QString& title);

// The handle of the first matching window, topmost first, or 0.
WindowHandle FindWindowByTitle(const QString& title, const QString& contents,
                               DesktopBackend& desktop = CurrentDesktop());

// Finds the window as FindWindowByTitle does, raises it and gives it the
// keyboard focus. The window's handle, or 0 when none matched or the window
// could not be activated (it went away meanwhile).
WindowHandle ActivateMatchingWindow(const QString& title, const QString& contents,
                                    DesktopBackend& desktop = CurrentDesktop());

} // namespace vl
