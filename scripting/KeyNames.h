#pragma once
// The key names that key strings accept ("ENTER", "F4", "PGDN") and their
// PC virtual-key numbers. Names are upper case; "BACKSPACE", "DEL" and "INS"
// are not among them ("BS", "DELETE", "INSERT" are).

#include <QString>

#include <span>

namespace vl {

struct KeyName {
    const char* name;
    int number;
};

// Every key name, letters, digits, F1-F12 and PAD0-PAD9 first.
std::span<const KeyName> KeyNames();

// The number of an upper-case key name; 0 when there is no such name.
int KeyNumber(const QString& name);

// The reference text of the key list window: how key strings are written
// and every key name.
QString KeyListText();

} // namespace vl
