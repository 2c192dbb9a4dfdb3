#pragma once
// Finds a desktop window by a title pattern, and optionally by a text one of
// its child windows must contain. A leading "~" (to Wait: until the window
// has gone) is ignored. The pattern matches, case ignored, a window whose
// title equals it; "*phrase" matches a title containing the phrase;
// "start*..." a title beginning with the text before the first "*" (what
// follows it is ignored). With contents, a matching window counts only when
// one of its children's titles contains them (case ignored); otherwise the
// next matching window is tried.

#include "scripting/WindowLists.h"

namespace vl {

// Whether a window title matches the pattern (without the leading "~").
bool TitleMatches(const QString& pattern, const QString& title);

// The handle of the first matching window in the desktop's order, or 0.
// Hidden windows are left out when exclHidden ("ExclHidden") is set.
WindowHandle FindWindowByTitle(const QString& title, const QString& contents, bool exclHidden,
                               DesktopBackend& desktop = CurrentDesktop());

} // namespace vl
