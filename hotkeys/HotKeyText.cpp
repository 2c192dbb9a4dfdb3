#include "hotkeys/HotKeyText.h"

#include "hotkeys/HotKeyCodes.h"

#include <algorithm>
#include <iterator>
#include <utility>

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
    const auto tick = [&parts](int32_t bit) {
        (bit == HotKeyBit::kWin ? parts.win : bit == HotKeyBit::kCtrl ? parts.ctrl
                                          : bit == HotKeyBit::kAlt    ? parts.alt
                                                                      : parts.shift) = true;
    };
    const std::pair<char, int32_t> signs[] = {
        {'*', HotKeyBit::kWin}, {'^', HotKeyBit::kCtrl}, {'%', HotKeyBit::kAlt}, {'+', HotKeyBit::kShift}};
    // The modifiers as the key parser reads them. Blanks between them are
    // passed over as "-" is, so that the key shown never begins with a blank
    // that writing the text back would drop.
    qsizetype at = 0;
    while (at < trimmed.size()) {
        const QChar c = trimmed[at];
        if (c == u'-' || c.isSpace()) {
            ++at;
            continue;
        }
        const auto sign = std::find_if(std::begin(signs), std::end(signs),
                                       [c](const auto& s) { return c == QLatin1Char(s.first); });
        if (sign != std::end(signs)) {
            tick(sign->second);
            ++at;
            continue;
        }
        const QStringView rest = QStringView(trimmed).mid(at);
        const auto word = std::find_if(std::begin(kModifierWords), std::end(kModifierWords), [rest](const auto& w) {
            return rest.startsWith(QLatin1String(w.prefix), Qt::CaseInsensitive);
        });
        if (word == std::end(kModifierWords))
            break;
        tick(word->bit);
        at = std::min(at + word->length, trimmed.size());
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
