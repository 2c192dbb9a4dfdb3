#pragma once
// The "List of Key Abbreviations" window (procedure ViewAscii:ScriptKeys):
// the key names Send Keys accepts, in a fixed-width font, with "&Print...",
// "&Search..." and "&Close". It shows KEYCODES.TXT of the current directory
// when there is one (a reference the user may rewrite), else the list the
// keystroke sender itself knows. It keeps its place under
// "ViewAscii:ScriptKeys" in POSITION.INI.

#include "windows/scripting/TextLinesViewer.h"

namespace vl {

inline constexpr char kScriptKeysProcedure[] = "ViewAscii:ScriptKeys";
inline constexpr char kScriptKeysCaption[] = "List of Key Abbreviations";
inline constexpr char kKeyCodesFileName[] = "KEYCODES.TXT";

class ScriptKeysWindow : public TextLinesViewer {
    Q_OBJECT

public:
    explicit ScriptKeysWindow(QWidget* parent = nullptr);

    // Loads the list; false, said to the user, when KEYCODES.TXT is there
    // but cannot be read.
    bool Open();
};

// Shows the window (it deletes itself when closed); nullptr when the list
// cannot be read. While a modal window is open, the list is that window's.
ScriptKeysWindow* ViewAscii_ScriptKeys();

} // namespace vl
