#include "hotkeys/HotKeyText.h"

#include "hotkeys/HotKeyCodes.h"

namespace vl {

const QStringList& HotKeyNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (char c = 'A'; c <= 'Z'; ++c)
            list << QString(QLatin1Char(c));
        list << QStringLiteral("BS") << QStringLiteral("DELETE") << QStringLiteral("DOWN") << QStringLiteral("END")
             << QStringLiteral("ENTER") << QStringLiteral("ESC");
        for (int n = 1; n <= 12; ++n)
            list << QStringLiteral("F%1").arg(n);
        for (const char* name : {"HOME", "INSERT", "LEFT", "PGDN", "PGUP", "PLUS", "PRINT", "RIGHT", "SLASH", "SPACE",
                                 "TAB", "UP"})
            list << QLatin1String(name);
        return list;
    }();
    return names;
}

QString BuildHotKeyText(const HotKeyParts& parts)
{
    const struct {
        bool on;
        const char* word;
        char sign;
    } modifiers[] = {{parts.win, "Win-", '*'}, {parts.ctrl, "Ctrl-", '^'}, {parts.alt, "Alt-", '%'},
                     {parts.shift, "Shift-", '+'}};
    QString words;
    QString signs;
    for (const auto& modifier : modifiers) {
        if (modifier.on) {
            words += QLatin1String(modifier.word);
            signs += QLatin1Char(modifier.sign);
        }
    }
    words += parts.key;
    return words.size() <= kHotKeyTextWidth ? words : signs + parts.key;
}

HotKeyParts SplitHotKeyText(const QString& text)
{
    HotKeyParts parts;
    const QString trimmed = text.trimmed();
    const QString upper = trimmed.toUpper();
    const struct {
        const char* word;
        char sign;
        bool HotKeyParts::*box;
    } modifiers[] = {{"WIN", '*', &HotKeyParts::win}, {"CTRL", '^', &HotKeyParts::ctrl},
                     {"ALT", '%', &HotKeyParts::alt}, {"SHIFT", '+', &HotKeyParts::shift}};
    qsizetype at = 0;
    while (at < upper.size()) {
        if (upper[at] == QLatin1Char('-')) {
            ++at;
            continue;
        }
        bool modifier = false;
        for (const auto& m : modifiers) {
            const QLatin1String word(m.word);
            if (upper[at] == QLatin1Char(m.sign) || QStringView(upper).mid(at).startsWith(word)) {
                at += upper[at] == QLatin1Char(m.sign) ? 1 : word.size();
                parts.*m.box = true;
                modifier = true;
                break;
            }
        }
        if (!modifier)
            break;
    }
    parts.key = trimmed.mid(at);
    const int32_t code = ParseHotKey(parts.key);
    if (code > 0 && code < 256) {
        for (const QString& name : HotKeyNames()) {
            if (ParseHotKey(name) == code) {
                parts.key = name;
                break;
            }
        }
    }
    return parts;
}

} // namespace vl
