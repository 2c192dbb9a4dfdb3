#include "scripting/SendKeys.h"

#include "platform/runtime/FixedText.h"
#include "scripting/KeyNames.h"
#include "scripting/Keywords.h"

namespace vl {
namespace {

constexpr int kKeyMask = 0xFF;
constexpr int kCapsLockKey = 20;
constexpr int kKeywordTextWidth = 1024;

// Modifier bits in the order they are pressed and released, and their keys.
constexpr struct {
    int bit;
    int key;
} kModifiers[] = {{kShiftBit, 16}, {kCtrlBit, 17}, {kAltBit, 18}, {kWinBit, 91}};

bool Fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

QString KeyText(int key)
{
    for (const KeyName& name : KeyNames()) {
        if (name.number == key)
            return QString::fromLatin1(name.name);
    }
    return QString::number(key);
}

int ParseUpper(QStringView text)
{
    if (text.isEmpty())
        return 0;
    const auto withBit = [](int bit, int rest) { return rest == 0 ? 0 : rest | bit; };
    switch (text.front().unicode()) {
    case '+':
        return withBit(kShiftBit, ParseUpper(text.mid(1)));
    case '^':
        return withBit(kCtrlBit, ParseUpper(text.mid(1)));
    case '%':
        return withBit(kAltBit, ParseUpper(text.mid(1)));
    case '-':
        return ParseUpper(text.mid(1));
    default:
        break;
    }
    if (text.startsWith(u"CTR"))
        return withBit(kCtrlBit, ParseUpper(text.mid(4)));
    if (text.startsWith(u"ALT"))
        return withBit(kAltBit, ParseUpper(text.mid(3)));
    if (text.startsWith(u"SHI"))
        return withBit(kShiftBit, ParseUpper(text.mid(5)));
    QString name = text.toString();
    const qsizetype key = name.indexOf(u"KEY");
    if (key >= 0)
        name.remove(key, 3);
    return KeyNumber(name);
}

// A bracketed group as a step: a key combination, else the keyword's value.
std::optional<KeyStroke> GroupStroke(const QString& group, QString* error)
{
    if (group.isEmpty()) {
        Fail(error, QStringLiteral("Empty brackets \"[]\" name no key."));
        return std::nullopt;
    }
    if (const int code = ParseKeyString(group))
        return KeyStroke{code, QString()};
    const QString value = Clip(CutTo(EvaluateKeyword(group), kKeywordTextWidth));
    if (value.isEmpty()) {
        Fail(error, QStringLiteral("\"[%1]\" is neither a key name nor a keyword with a value.").arg(group));
        return std::nullopt;
    }
    return KeyStroke{0, value};
}

} // namespace

int ParseKeyString(const QString& text) { return ParseUpper(UpperClip(text)); }

bool PressKeyCombination(int code, DesktopBackend& desktop, QString* error)
{
    const int key = code & kKeyMask;
    if (key == 0)
        return Fail(error, QStringLiteral("The key code %1 names no key.").arg(code));
    QList<int> held;
    QString failure;
    for (const auto& modifier : kModifiers) {
        if (!(code & modifier.bit))
            continue;
        if (!desktop.SendKey(modifier.key, true)) {
            failure = QStringLiteral("The key %1 could not be pressed.").arg(KeyText(modifier.key));
            break;
        }
        held.append(modifier.key);
    }
    if (failure.isEmpty()) {
        if (!desktop.SendKey(key, true))
            failure = QStringLiteral("The key %1 could not be pressed.").arg(KeyText(key));
        else if (!desktop.SendKey(key, false))
            failure = QStringLiteral("The key %1 could not be released.").arg(KeyText(key));
    }
    // Whatever failed, no modifier stays down.
    for (const int modifier : held) {
        if (!desktop.SendKey(modifier, false) && failure.isEmpty())
            failure = QStringLiteral("The key %1 could not be released.").arg(KeyText(modifier));
    }
    return failure.isEmpty() || Fail(error, failure);
}

bool TypeText(const QString& text, DesktopBackend& desktop, QString* error)
{
    if (text.isEmpty())
        return true;
    const bool capsLock = desktop.CapsLockOn();
    if (capsLock && !PressKeyCombination(kCapsLockKey, desktop, error))
        return false;
    QString failure;
    for (const char32_t character : text.toUcs4()) {
        if (!desktop.TypeCharacter(character)) {
            failure = QStringLiteral("The character \"%1\" could not be typed.")
                          .arg(QString::fromUcs4(&character, 1));
            break;
        }
    }
    // Caps Lock goes back on even when a character failed.
    QString capsFailure;
    if (capsLock && !PressKeyCombination(kCapsLockKey, desktop, &capsFailure) && failure.isEmpty())
        failure = capsFailure;
    return failure.isEmpty() || Fail(error, failure);
}

std::optional<QList<KeyStroke>> ParseKeystrokes(const QString& keys, QString* error)
{
    const QString text = Clip(keys);
    QList<KeyStroke> strokes;
    QString plain;
    const auto flushPlain = [&] {
        if (!plain.isEmpty())
            strokes.append({0, plain});
        plain.clear();
    };
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('['), at);
        if (open < 0) {
            plain += text.mid(at);
            break;
        }
        plain += text.mid(at, open - at);
        const qsizetype close = text.indexOf(QLatin1Char(']'), open + 1);
        if (close < 0) {
            Fail(error, QStringLiteral("The \"[\" at position %1 has no \"]\" after it.").arg(open + 1));
            return std::nullopt;
        }
        const QString group = text.mid(open + 1, close - open - 1);
        at = close + 1;
        if (group == QLatin1String("[")) {
            plain += group;
            continue;
        }
        const std::optional<KeyStroke> stroke = GroupStroke(group, error);
        if (!stroke)
            return std::nullopt;
        flushPlain();
        strokes.append(*stroke);
    }
    flushPlain();
    return strokes;
}

bool SendKeyStroke(const KeyStroke& stroke, DesktopBackend& desktop, QString* error)
{
    return stroke.code != 0 ? PressKeyCombination(stroke.code, desktop, error)
                            : TypeText(stroke.text, desktop, error);
}

bool SendKeystrokes(const QString& group, DesktopBackend& desktop, QString* error)
{
    return SendKeys(QLatin1Char('[') + group + QLatin1Char(']'), desktop, error);
}

bool SendKeys(const QString& keys, DesktopBackend& desktop, QString* error)
{
    const std::optional<QList<KeyStroke>> strokes = ParseKeystrokes(keys, error);
    if (!strokes)
        return false;
    for (const KeyStroke& stroke : *strokes) {
        if (!SendKeyStroke(stroke, desktop, error))
            return false;
    }
    return true;
}

} // namespace vl
