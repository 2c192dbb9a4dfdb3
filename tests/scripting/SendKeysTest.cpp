// The keystroke sender: key strings, keystroke texts with bracketed groups,
// and the events they send to a scripted desktop.

#include "scripting/SendKeys.h"

#include "core/base/Globals.h"
#include "platform/desktop/FakeDesktopBackend.h"
#include "tests/support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(SendKeysTest, KeyStringsGiveKeyCodes)
{
    const struct {
        const char* text;
        int code;
    } cases[] = {
        {"^C", kCtrlBit + 'C'},   {"Ctrl-C", kCtrlBit + 'C'},     {"CTRLC", kCtrlBit + 'C'},
        {"CtrlKeyC", kCtrlBit + 'C'}, {"+Tab", kShiftBit + 9},  {"ShiftTab", kShiftBit + 9},
        {"Alt-F4", kAltBit + 115}, {"%F4", kAltBit + 115},       {"^+Home", kCtrlBit + kShiftBit + 36},
        {"enter  ", 13},          {"BS", 8},                     {"PAD5", 101},
        {"KEYF12", 123},          {"MouseRight2", 6},            {"Backspace", 0},
        {"DEL", 0},               {"INS", 0},                    {"+", 0},
        {"Ctrl", 0},              {"^Hello", 0},                 {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseKeyString(c.text), c.code) << c.text;
}

// Every bracketed group types something or, modifiers without a key, is
// logged; none stops the rest of the text. A pause comes before each piece.
TEST(SendKeysTest, BracketedGroupsTypeTheirKeyTheirValueOrTheirText)
{
    const struct {
        const char* keys;
        const char* events;
        int pauses;
        const char* logged; // the event-log line, when one is written
    } cases[] = {
        {"Hi[Enter]there   ", "Hi|down 13|up 13|there", 3, ""},
        {"[AltF4][^c]", "down 18|down 115|up 115|up 18|down 17|down 67|up 67|up 17", 2, ""},
        {"mail me [at] home", "mail me at home", 4, ""},
        {"[FOCUS]!", "FOCUS!", 2, ""},
        {"a[b", "a[b", 2, ""},
        {"x]y[", "x]y[", 2, ""},
        {"[]", "", 1, "Keys not sent:  [] names no key."},
        {"[Backspace]ok", "Backspaceok", 2, ""},
        {"ok[CtrlQQ]", "okCtrlQQ", 2, ""},
        {"[a[b]c", "a[bc", 2, ""},
        {"a[[]b]c", "a[b]c", 3, ""},
        {"x[=1+2]y", "x3y", 3, ""},
        {"[Ctrl]x", "x", 2, "Keys not sent:  [Ctrl] names no key."},
        {"a[^+]b", "ab", 3, "Keys not sent:  [^+] names no key."},
        {"", "", 0, ""},
    };
    GlobalUseLog = true;
    BurstSize = 7;
    for (const auto& c : cases) {
        QFile::remove(QStringLiteral("VLMREVNT.LOG"));
        FakeDesktopBackend desktop;
        QList<int32_t> pauses;
        QString error;
        EXPECT_TRUE(SendScriptKeystrokes(QString::fromUtf8(c.keys), [&](int32_t h) { pauses << h; }, desktop, &error))
            << c.keys << ": " << error.toStdString();
        QStringList events; // typed characters run together, key events apart
        bool typing = false;
        for (const QString& event : desktop.Events()) {
            const bool typed = event.startsWith(QLatin1String("type "));
            if (typed && typing)
                events.last() += event.mid(5);
            else
                events << (typed ? event.mid(5) : event);
            typing = typed;
        }
        EXPECT_EQ(events.join(u'|'), QString::fromUtf8(c.events)) << c.keys;
        EXPECT_EQ(pauses, QList<int32_t>(c.pauses, GlobalDelay)) << c.keys;
        EXPECT_TRUE(test::ReadTextFile(QStringLiteral("VLMREVNT.LOG")).contains(QString::fromUtf8(c.logged))) << c.keys;
        if (!*c.logged) {
            EXPECT_FALSE(QFile::exists(QStringLiteral("VLMREVNT.LOG"))) << c.keys;
        }
    }
    GlobalUseLog = false;
}

TEST(SendKeysTest, EventsSentAndModifiersAlwaysReleased)
{
    const struct {
        const char* keys;
        bool capsLock;
        int refusedKey;
        char32_t refusedCharacter;
        bool ok;
        const char* events;
    } cases[] = {
        {"[^+Home]", false, 0, 0, true, "down 16|down 17|down 36|up 36|up 16|up 17"},
        {"x[%a]", false, 0, 0, true, "type x|down 18|down 65|up 65|up 18"},
        {"Hi!", true, 0, 0, true, "down 20|up 20|type H|type i|type !|down 20|up 20"},
        {"é", false, 0, 0, true, "type é"},
        {"[^+Home]", false, 36, 0, false, "down 16|down 17|up 16|up 17"},
        {"[^+Home]", false, 17, 0, false, "down 16|up 16"},
        {"Hi![Enter]", true, 0, U'i', false, "down 20|up 20|type H|down 20|up 20"},
        {"ab[Backspace]", false, 0, 0, true, "type a|type b|type B|type a|type c|type k|type s|type p|type a|type c|type e"},
        {"ab[Tab", false, 0, 0, true, "type a|type b|type [|type T|type a|type b"},
    };
    for (const auto& c : cases) {
        FakeDesktopBackend desktop;
        desktop.SetCapsLock(c.capsLock);
        if (c.refusedKey)
            desktop.RefuseKey(c.refusedKey);
        if (c.refusedCharacter)
            desktop.RefuseCharacter(c.refusedCharacter);
        QString error;
        EXPECT_EQ(SendKeys(QString::fromUtf8(c.keys), desktop, &error), c.ok) << c.keys;
        EXPECT_EQ(desktop.Events().join('|'), QString::fromUtf8(c.events)) << c.keys;
        EXPECT_TRUE(desktop.HeldKeys().isEmpty()) << c.keys;
        EXPECT_EQ(desktop.CapsLockOn(), c.capsLock) << c.keys;
        EXPECT_EQ(error.isEmpty(), c.ok) << c.keys;
    }
}

TEST(SendKeysTest, OneGroupIsAKeyOrAKeywordValue)
{
    FakeDesktopBackend desktop;
    EXPECT_TRUE(SendKeystrokes("ENTER", desktop));
    EXPECT_TRUE(SendKeystrokes("=6*7", desktop));
    EXPECT_EQ(desktop.Events().join('|'), "down 13|up 13|type 4|type 2");
}

} // namespace
} // namespace vl
