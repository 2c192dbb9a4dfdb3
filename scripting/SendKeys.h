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

#include <cstdint>
#include <functional>

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

// What one bracketed group (the text between "[" and "]") sends: a key
// combination (code != 0) when it is a key string ("AltF4"), else the value
// of a keyword that has one ("TODAY"), else the group's own text without
// its brackets ("[at]" types "at", a keyword with a blank value its name).
// "[" alone ("[[]") types "[". Modifiers without a key ("Ctrl", "^+") send
// nothing: code 0 and no text.
struct KeyStroke {
    int code = 0;
    QString text;
    bool operator==(const KeyStroke&) const = default;
};
KeyStroke GroupStroke(const QString& group);

// Sends one bracketed group (GroupStroke). A group of modifiers without a
// key sends nothing and is written to the event log. False, with the reason
// in *error, only when an event failed.
bool SendKeystrokes(const QString& group, DesktopBackend& desktop = CurrentDesktop(), QString* error = nullptr);

// A pause of the given hundredths of a second before a piece of keystrokes.
using KeystrokePause = std::function<void(int32_t hundredths)>;

// Waits the hundredths on the clock, sleeping in tenths of the pause; stops
// early when the clock went back past midnight.
void SleepKeystrokePause(int32_t hundredths);

// Types a keystroke text as a script's Send Keys step does, for the step and
// for the text hot keys alike: plain text in bursts of at most BurstSize
// characters, each bracketed group on its own (SendKeystrokes), every piece
// after a pause of ScriptingDelay (KeystrokeBursts.h). A group that names no
// key never stops the rest. False, with the reason in *error, when an event
// failed; the pieces after it are not sent.
bool SendScriptKeystrokes(const QString& text, const KeystrokePause& pause = SleepKeystrokePause,
                          DesktopBackend& desktop = CurrentDesktop(), QString* error = nullptr);

// The same text typed at once: no pauses, plain text not cut into bursts.
bool SendKeys(const QString& keys, DesktopBackend& desktop = CurrentDesktop(), QString* error = nullptr);

} // namespace vl
