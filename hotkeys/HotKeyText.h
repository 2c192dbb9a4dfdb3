#pragma once
// The hot-key text the hot-key form builds from its check boxes and its key
// list, and the boxes and key it shows for a stored text.
//
// The form writes the modifier words in the order Win, Ctrl, Alt, Shift,
// each followed by "-", then the key name: "Ctrl-Alt-F5", "Win-Shift-A".
// A text that would not fit the stored field (20 characters) is written with
// the modifier signs instead ("*^%+DELETE"), which names the same key, so a
// key is never cut into another one.

#include <QString>
#include <QStringList>

namespace vl {

// The width of the stored hot-key text (HOT:HotKey).
inline constexpr int kHotKeyTextWidth = 20;

struct HotKeyParts {
    bool win = false;
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    QString key; // a name of the key list, or the stored name when it is none
    bool operator==(const HotKeyParts&) const = default;
};

// The key names the form offers, in list order.
const QStringList& HotKeyNames();

// The text for the parts; the words form when it fits, else the signs form.
QString BuildHotKeyText(const HotKeyParts& parts);

// The parts of a stored text. The modifiers are read as the key parser
// reads them (words or signs, with or without "-"); a key that the key list
// names under another spelling ("Del", "PgDn") is shown by its list name,
// any other key name as it is written.
HotKeyParts SplitHotKeyText(const QString& text);

} // namespace vl
