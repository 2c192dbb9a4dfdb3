#include "scripting/SendKeys.h"

#include "core/base/EventLog.h"
#include "core/base/Globals.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "scripting/KeyNames.h"
#include "scripting/KeystrokeBursts.h"
#include "scripting/Keywords.h"

#include <QThread>

#include <algorithm>
#include <limits>

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

// Modifiers alone: prefixes and modifier words with nothing after them but
// "-" and the word "Key" ("Ctrl", "^+", "Shift-Key").
bool ModifiersOnly(QStringView upper)
{
    bool modifier = false;
    while (!upper.isEmpty()) {
        const QChar first = upper.front();
        if (first == u'+' || first == u'^' || first == u'%') {
            modifier = true;
            upper = upper.mid(1);
        } else if (first == u'-') {
            upper = upper.mid(1);
        } else if (upper.startsWith(u"CTR")) {
            modifier = true;
            upper = upper.mid(std::min<qsizetype>(4, upper.size()));
        } else if (upper.startsWith(u"ALT")) {
            modifier = true;
            upper = upper.mid(3);
        } else if (upper.startsWith(u"SHI")) {
            modifier = true;
            upper = upper.mid(std::min<qsizetype>(5, upper.size()));
        } else {
            return modifier && upper == u"KEY";
        }
    }
    return modifier;
}

const QString kScriptLabel = QStringLiteral("Script");

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

KeyStroke GroupStroke(const QString& group)
{
    if (group == QLatin1String("["))
        return {0, group};
    if (const int code = ParseKeyString(group))
        return {code, QString()};
    if (ModifiersOnly(UpperClip(group)))
        return {};
    const QString value = Clip(CutTo(EvaluateKeyword(group), kKeywordTextWidth));
    if (!value.isEmpty() && value != group)
        return {0, value};
    return {0, group};
}

bool SendKeystrokes(const QString& group, DesktopBackend& desktop, QString* error)
{
    const KeyStroke stroke = GroupStroke(group);
    if (stroke.code != 0)
        return PressKeyCombination(stroke.code, desktop, error);
    if (stroke.text.isEmpty()) {
        WriteEventLog(kScriptLabel, QStringLiteral("Keys not sent:  [") + group + QStringLiteral("] names no key."));
        return true;
    }
    return TypeText(stroke.text, desktop, error);
}

void SleepKeystrokePause(int32_t hundredths)
{
    if (hundredths <= 0)
        return;
    const ClockTime start = Now();
    const unsigned long slice = static_cast<unsigned long>(std::max<int32_t>(1, hundredths / 10));
    while (true) {
        const ClockTime now = Now();
        if (now < start || now - start >= hundredths)
            return;
        QThread::msleep(slice);
    }
}

namespace {

bool SendPieces(const QString& text, int burstSize, const KeystrokePause& pause, DesktopBackend& desktop,
                QString* error)
{
    for (const KeystrokePiece& piece : KeystrokePieces(text, burstSize)) {
        if (pause)
            pause(GlobalDelay);
        const bool sent = piece.group ? SendKeystrokes(piece.text, desktop, error)
                                      : TypeText(piece.text, desktop, error);
        if (!sent)
            return false;
    }
    return true;
}

} // namespace

bool SendScriptKeystrokes(const QString& text, const KeystrokePause& pause, DesktopBackend& desktop, QString* error)
{
    return SendPieces(text, BurstSize, pause, desktop, error);
}

bool SendKeys(const QString& keys, DesktopBackend& desktop, QString* error)
{
    return SendPieces(keys, std::numeric_limits<int>::max(), KeystrokePause(), desktop, error);
}

} // namespace vl
