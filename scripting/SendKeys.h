#pragma once
// The keystroke sender: types text and presses key combinations on the
// keyboard of the desktop, for the Send Keys step of scripts and the text
// hot keys.
//
// A key combination is written as a key string: modifier prefixes "+"
// (Shift), "^" (Ctrl), "%" (Alt) or the words "Ctrl", "Alt", "Shift", any
// "-" between them, then a key name of KeyNames.h; the word "Key" may stand
// once before the name. "^C", "Ctrl-C", "CTRLC" and "CtrlKeyC" are the same
// combination. Case is ignored.
//
// A key code holds the key's number in its low byte and the modifiers as
// bits above it.

#include "platform/desktop/DesktopBackend.h"

#include <QList>
#include <QString>

#include <optional>

namespace vl {

inline constexpr int kShiftBit = 256;
inline constexpr int kCtrlBit = 512;
inline constexpr int kAltBit = 1024;
inline constexpr int kWinBit = 2048;

// The key code of a key string; 0 when the text is not one.
int ParseKeyString(const QString& text);

// Presses the modifiers of the code (Shift, Ctrl, Alt, Win in that order),
// presses and releases its key, then releases the modifiers in the same
// order. Every modifier pressed is released, even when a later event could
// not be sent. False, with the reason in *error, when any event failed.
bool PressKeyCombination(int code, DesktopBackend& desktop = CurrentDesktop(), QString* error = nullptr);

// Types each character of the text, characters that no key of the keyboard
// gives included. Caps Lock, when on, is switched off while typing and on
// again afterwards. An empty text sends nothing.
bool TypeText(const QString& text, DesktopBackend& desktop = CurrentDesktop(), QString* error = nullptr);

// One step of a keystroke text: a key combination (code != 0), else a text
// to type.
struct KeyStroke {
    int code = 0;
    QString text;
    bool operator==(const KeyStroke&) const = default;
};

// The steps of a keystroke text. Plain text is typed as written (trailing
// blanks of the whole text dropped); a bracketed group is a key string
// ("[AltF4]"), else a keyword whose value is typed ("[TODAY]"); "[[]" types
// a "[" ("]" alone is plain text). Nothing when the text holds an "[" with
// no "]" after it, an empty group, or a group that is neither a key string
// nor a keyword with a value (a misspelt key name would otherwise be typed
// as text); *error then says which.
std::optional<QList<KeyStroke>> ParseKeystrokes(const QString& keys, QString* error = nullptr);

// Sends one step: presses its combination or types its text.
bool SendKeyStroke(const KeyStroke& stroke, DesktopBackend& desktop = CurrentDesktop(),
                   QString* error = nullptr);

// Sends one bracketed group (the text between "[" and "]") as a step of a
// keystroke text.
bool SendKeystrokes(const QString& group, DesktopBackend& desktop = CurrentDesktop(), QString* error = nullptr);

// Parses a whole keystroke text and sends its steps to the window that has
// the keyboard focus. A text that does not parse sends nothing. False, with
// the reason in *error, when the text is wrong or an event failed (the
// steps after it are not sent).
bool SendKeys(const QString& keys, DesktopBackend& desktop = CurrentDesktop(), QString* error = nullptr);

} // namespace vl
