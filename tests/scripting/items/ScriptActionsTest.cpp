#include "scripting/items/ScriptActions.h"

#include <gtest/gtest.h>

namespace vl::ScriptAction {
namespace {

TEST(ScriptActionsTest, StoredNamesMapToTheCurrentVocabulary)
{
    const struct {
        QString stored;
        QString canonical;
    } cases[] = {
        {"Send Keys", "Send Keys"},       {"Send Keystrokes   ", "Send Keys"}, {"DDE (Dynamic Data Exchange)", "DDE"},
        {"Wait      ", "Wait"},           {"Other", "Other"},                  {"", ""},
        {"  Wait", "  Wait"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CanonicalAction(c.stored), c.canonical) << c.stored.toStdString();
    }
    EXPECT_TRUE(IsAction(u"Send Keystrokes", SendKeys));
    EXPECT_FALSE(IsAction(u"Send Keys", Dde));
}

} // namespace
} // namespace vl::ScriptAction
