#pragma once
// Hot-key texts and their key codes. A text is a series of modifiers, each
// "+" (Shift), "^" (Ctrl), "%" (Alt), "*" (Win) or the word Shift, Ctrl, Alt
// or Win, with any "-" between them, then a key name ("F5", "PgDn", "A");
// the word "Key" may stand anywhere in the name part. Case is ignored:
// "^+A", "Ctrl-Shift-A", "CTRLSHIFTA" and "CtrlShiftKeyA" are one key.
//
// A key code holds the key's virtual-key number in its low byte and the
// modifiers as the bits below; the modifier byte (code / 256) is what a grab
// of the desktop takes (HotKeyBackend.h).

#include <QString>

#include <cstdint>

namespace vl {

namespace HotKeyBit {
inline constexpr int32_t kAlt = 256;
inline constexpr int32_t kCtrl = 512;
inline constexpr int32_t kShift = 1024;
inline constexpr int32_t kWin = 2048;
} // namespace HotKeyBit

// A modifier word, known by its first three letters ("SHI", "CTR", "ALT",
// "WIN"), stands for as many characters as the whole word has: "CtrlA" and
// "CtrxA" are both Ctrl+A.
struct ModifierWord {
    const char* prefix;
    qsizetype length;
    int32_t bit;
};
inline constexpr ModifierWord kModifierWords[] = {{"SHI", 5, HotKeyBit::kShift},
                                                  {"CTR", 4, HotKeyBit::kCtrl},
                                                  {"ALT", 3, HotKeyBit::kAlt},
                                                  {"WIN", 3, HotKeyBit::kWin}};

// The code of a hot-key text; 0 when the text names no key. A modifier
// followed by a name no key has gives the modifier bits alone (a code whose
// grab the desktop refuses).
int32_t ParseHotKey(const QString& text);

} // namespace vl
