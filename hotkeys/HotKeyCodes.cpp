#include "hotkeys/HotKeyCodes.h"

#include <QHash>

#include <algorithm>

namespace vl {
namespace {

// The key names, upper case, with their virtual-key numbers.
const QHash<QString, int>& KeyNames()
{
    static const QHash<QString, int> names = [] {
        QHash<QString, int> table;
        for (char c = 'A'; c <= 'Z'; ++c)
            table.insert(QString(QLatin1Char(c)), c);
        for (char c = '0'; c <= '9'; ++c)
            table.insert(QString(QLatin1Char(c)), c);
        for (int n = 1; n <= 12; ++n)
            table.insert(QStringLiteral("F%1").arg(n), 111 + n);
        for (int n = 0; n <= 9; ++n)
            table.insert(QStringLiteral("PAD%1").arg(n), 96 + n);
        const std::pair<const char*, int> named[] = {
            {"AST", 106}, {"BS", 8}, {"BACKSPACE", 8}, {"CAPSLOCK", 20}, {"CAPS", 20},
            {"DECIMAL", 110}, {"DEL", 46}, {"DELETE", 46}, {"DOWN", 40}, {"END", 35},
            {"ENTER", 13}, {"ESC", 27}, {"HOME", 36}, {"INS", 45}, {"INSERT", 45},
            {"LEFT", 37}, {"MINUS", 109}, {"MOUSECENTER", 3}, {"MOUSECENTER2", 7}, {"MOUSE", 1},
            {"MOUSELEFT", 1}, {"MOUSELEFT2", 5}, {"MOUSERIGHT", 2}, {"MOUSERIGHT2", 6}, {"PAUSE", 19},
            {"PGDN", 34}, {"PGUP", 33}, {"PLUS", 107}, {"PRINT", 44}, {"RIGHT", 39},
            {"SLASH", 111}, {"SPACE", 32}, {"TAB", 9}, {"UP", 38},
        };
        for (const auto& [name, code] : named)
            table.insert(QLatin1String(name), code);
        return table;
    }();
    return names;
}

int32_t ParseUpper(QStringView text)
{
    if (text.isEmpty())
        return 0;
    switch (text.front().unicode()) {
    case '+':
        return ParseUpper(text.mid(1)) | HotKeyBit::kShift;
    case '^':
        return ParseUpper(text.mid(1)) | HotKeyBit::kCtrl;
    case '%':
        return ParseUpper(text.mid(1)) | HotKeyBit::kAlt;
    case '*':
        return ParseUpper(text.mid(1)) | HotKeyBit::kWin;
    case '-':
        return ParseUpper(text.mid(1));
    default:
        break;
    }
    // A modifier word is known by its first three letters and takes the
    // length of the whole word: "SHI" five characters, "CTR" four.
    for (const ModifierWord& word : kModifierWords) {
        if (text.startsWith(QLatin1String(word.prefix)))
            return ParseUpper(text.mid(std::min(word.length, text.size()))) | word.bit;
    }
    QString name = text.toString();
    const qsizetype key = name.indexOf(QLatin1String("KEY"));
    if (key >= 0)
        name.remove(key, 3);
    return KeyNames().value(name, 0);
}

} // namespace

int32_t ParseHotKey(const QString& text)
{
    return ParseUpper(QStringView(text.trimmed().toUpper()));
}

} // namespace vl
