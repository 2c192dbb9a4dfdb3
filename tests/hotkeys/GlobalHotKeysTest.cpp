// Hot-key texts and the keys the program holds: parsing, code order and ids,
// one entry per code, refused keys, presses, and giving keys back.

#include "hotkeys/GlobalHotKeys.h"
#include "hotkeys/HotKeyCodes.h"
#include "platform/desktop/FakeHotKeyBackend.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

using namespace HotKeyBit;
using Key = FakeHotKeyBackend::Key;

TEST(HotKeyCodes, TextsParseToKeyAndModifierBits)
{
    const struct {
        const char* text;
        int32_t code;
    } cases[] = {
        {"WinW", kWin + 87},           {"%F4", kAlt + 115},          {"Alt-F4", kAlt + 115},
        {"^+A", kCtrl + kShift + 65},  {"Ctrl-Shift-A", kCtrl + kShift + 65},
        {"CTRLSHIFTA", kCtrl + kShift + 65}, {"CtrlShiftKeyA", kCtrl + kShift + 65},
        {"ShiftKeyPad1", kShift + 97}, {"PadKey1", 97},              {"ctrl-alt-delete", kCtrl + kAlt + 46},
        {"Win-Ctrl-Alt-Shift-PgDn", kWin + kCtrl + kAlt + kShift + 34},
        {"*Space", kWin + 32},         {"Ctrl-Bogus", kCtrl},        {"Bogus", 0},
        {"", 0},                       {"CtrlShift", kCtrl + kShift},
        {"CtrxShixxA", kCtrl + kShift + 65}, {"WinnA", kWin}, {"Shi", kShift},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseHotKey(QString::fromLatin1(c.text)), c.code) << c.text;
}

TEST(GlobalHotKeys, KeysAreGrabbedInCodeOrderOnlyWhileActive)
{
    FakeHotKeyBackend backend;
    GlobalHotKeys keys(backend);
    QStringList bad;
    keys.SetBadKeyHandler([&](const QString& text) { bad << text; });

    EXPECT_TRUE(keys.SetKey("WinW"));
    EXPECT_TRUE(keys.SetKey("Ctrl-A"));
    EXPECT_TRUE(keys.SetKey("^A")) << "the same key again";
    EXPECT_FALSE(keys.SetKey("Nothing"));
    EXPECT_EQ(bad, QStringList{"Nothing"});
    EXPECT_TRUE(backend.Grabbed().isEmpty()) << "suspended keys are only listed";

    keys.Resume();
    const QList<HotKeyEntry> expected = {{kCtrl + 65, "Ctrl-A"}, {kWin + 87, "WinW"}};
    EXPECT_EQ(keys.Keys(), expected);
    EXPECT_EQ(backend.Grabbed().value(1), (Key{2, 65}));
    EXPECT_EQ(backend.Grabbed().value(2), (Key{8, 87}));

    // A key added later renumbers those after it.
    keys.SetKey("Alt-F4");
    EXPECT_EQ(backend.Grabbed().value(1), (Key{1, 115}));
    EXPECT_EQ(backend.Grabbed().value(3), (Key{8, 87}));

    keys.Suspend();
    EXPECT_TRUE(backend.Grabbed().isEmpty());
    keys.Resume();
    keys.ClearKeys();
    EXPECT_TRUE(backend.Grabbed().isEmpty());
    EXPECT_TRUE(keys.Keys().isEmpty());
}

TEST(GlobalHotKeys, RefusedKeysAreListedAndTheOthersStillWork)
{
    FakeHotKeyBackend backend;
    backend.HoldElsewhere({2, 66});
    {
        GlobalHotKeys keys(backend);
        keys.SetKey("Ctrl-A");
        keys.SetKey("Ctrl-B");
        keys.SetKey("Ctrl-Nothing"); // modifiers without a key
        keys.Resume();
        const QList<HotKeyEntry> failed = {{kCtrl, "Ctrl-Nothing"}, {kCtrl + 66, "Ctrl-B"}};
        EXPECT_EQ(keys.FailedKeys(), failed);
        EXPECT_EQ(backend.Grabbed().size(), 1);

        // Presses queue in order.
        EXPECT_TRUE(backend.Press(2));
        keys.SetKey("Ctrl-C"); // renumbers: the queued press keeps its key
        EXPECT_TRUE(backend.Press(4));
        EXPECT_EQ(keys.TakePressed(), (HotKeyEntry{kCtrl + 65, "Ctrl-A"}));
        EXPECT_EQ(keys.TakePressed(), (HotKeyEntry{kCtrl + 67, "Ctrl-C"}));
        EXPECT_FALSE(keys.TakePressed().has_value());
    }
    EXPECT_TRUE(backend.Grabbed().isEmpty()) << "the keys go back with the object";
}

} // namespace
} // namespace vl
