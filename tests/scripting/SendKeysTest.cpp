// The keystroke sender: key strings, keystroke texts with bracketed groups,
// and the events they send to a scripted desktop.

#include "scripting/SendKeys.h"

#include "platform/desktop/FakeDesktopBackend.h"

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

TEST(SendKeysTest, KeystrokeTextsSplitIntoStepsOrSayWhatIsWrong)
{
    using Steps = QList<KeyStroke>;
    const struct {
        const char* keys;
        Steps steps;
        const char* error; // part of the message when the text is refused
    } cases[] = {
        {"Hello", {{0, "Hello"}}, ""},
        {"Hi[Enter]there   ", {{0, "Hi"}, {13, ""}, {0, "there"}}, ""},
        {"[AltF4][^c]", {{kAltBit + 115, ""}, {kCtrlBit + 'C', ""}}, ""},
        {"a[[]b]c", {{0, "a[b]c"}}, ""},
        {"x[=1+2]y", {{0, "x"}, {0, "3"}, {0, "y"}}, ""},
        {"", {}, ""},
        {"abc[Enter", {}, "position 4"},
        {"[Backspace]", {}, "[Backspace]"},
        {"ok[CtrlQQ]", {}, "[CtrlQQ]"},
        {"[]", {}, "Empty"},
    };
    for (const auto& c : cases) {
        QString error;
        const auto steps = ParseKeystrokes(c.keys, &error);
        if (*c.error) {
            EXPECT_FALSE(steps) << c.keys;
            EXPECT_TRUE(error.contains(c.error)) << c.keys << ": " << error.toStdString();
        } else {
            ASSERT_TRUE(steps) << c.keys << ": " << error.toStdString();
            EXPECT_EQ(*steps, c.steps) << c.keys;
        }
    }
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
        {"ab[Backspace]", false, 0, 0, false, ""},
        {"ab[Tab", false, 0, 0, false, ""},
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
