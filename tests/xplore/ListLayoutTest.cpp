// Saved layouts in the position INI file.
#include "xplore/ListLayout.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

const QString kDesigned = "40L(1)M|~Date~L(1)@d6b@#1#";
const QString kUserFormat = "80L(1)M|~Desc~L(1)@s30@#2#40L(1)M|~Date~L(1)@d6b@#1#";

ListAppearance Designed()
{
    return ListAppearance{10, 20, 300, 200, false, true, 18, "Sans", 9, -1, 400};
}

SavedLayout UserLayout()
{
    SavedLayout layout;
    layout.formats = {kUserFormat};
    layout.designedFormat = kDesigned;
    layout.appearance = ListAppearance{11, 22, 333, 222, true, false, 24, "Serif", 12, 255, 700};
    layout.sortPosition = 2;
    layout.descending = true;
    return layout;
}

TEST(ListLayout, WritesEveryKeyUnderTheListsNames)
{
    IniFile ini(test::TestPath("POSITION.INI"));
    ASSERT_TRUE(SaveListLayout(ini, "BrowseHolidays", "?Browse:1", UserLayout()));
    const std::pair<const char*, QString> expected[] = {
        {"XploreFormatString-?Browse:11", kUserFormat},
        {"XploreOrigFormatString-?Browse:1", kDesigned},
        {"XploreXpos-?Browse:1", "11"}, {"XploreYpos-?Browse:1", "22"},
        {"XploreHeight-?Browse:1", "222"}, {"XploreWidth-?Browse:1", "333"},
        {"XploreHscroll-?Browse:1", "1"}, {"XploreVscroll-?Browse:1", "0"},
        {"XploreLineHeight-?Browse:1", "24"}, {"XploreFont-?Browse:1", "Serif"},
        {"XplorePoint-?Browse:1", "12"}, {"XploreColor-?Browse:1", "255"},
        {"XploreStyle-?Browse:1", "700"}, {"XplorePrevCol-?Browse:1", "2"},
        {"XploreAscDesc-?Browse:1", "1"},
    };
    for (const auto& [key, value] : expected)
        EXPECT_EQ(ini.Get("BrowseHolidays", key, "<missing>"), value) << key;
}

TEST(ListLayout, RestoresWhatWasSavedForTheSameDesign)
{
    IniFile ini(test::TestPath("POSITION.INI"));
    ASSERT_TRUE(SaveListLayout(ini, "BrowseHolidays", "?Browse:1", UserLayout()));
    for (bool place : {false, true}) {
        const RestoredLayout restored =
            RestoreListLayout(ini, "BrowseHolidays", "?Browse:1", kDesigned, Designed(), 1, place);
        EXPECT_FALSE(restored.designChanged);
        EXPECT_EQ(restored.formats, std::vector<QString>{kUserFormat});
        ListAppearance expected = UserLayout().appearance;
        if (!place)
            std::tie(expected.x, expected.y, expected.width, expected.height) = std::make_tuple(10, 20, 300, 200);
        EXPECT_EQ(restored.appearance, expected);
        EXPECT_TRUE(restored.descending);
    }
}

TEST(ListLayout, IgnoresLayoutsOfAnotherDesignAndBadEntries)
{
    IniFile ini(test::TestPath("POSITION.INI"));
    // Nothing saved yet.
    RestoredLayout restored = RestoreListLayout(ini, "BrowseHolidays", "?Browse:1", kDesigned, Designed(), 1, false);
    EXPECT_TRUE(restored.designChanged);
    EXPECT_EQ(restored.formats, std::vector<QString>{kDesigned});
    EXPECT_EQ(restored.appearance, Designed());

    // Saved for an older design of the list.
    ASSERT_TRUE(SaveListLayout(ini, "BrowseHolidays", "?Browse:1", UserLayout()));
    restored = RestoreListLayout(ini, "BrowseHolidays", "?Browse:1", "30L~Date~L@d6b@#1#", Designed(), 1, false);
    EXPECT_TRUE(restored.designChanged);
    EXPECT_EQ(restored.formats, std::vector<QString>{"30L~Date~L@d6b@#1#"});
    EXPECT_EQ(restored.appearance, Designed());
    EXPECT_FALSE(restored.descending);

    // Entries that are not numbers or flags, and an empty slot, take the designed values.
    ASSERT_TRUE(ini.PutMany({{"BrowseHolidays", "XploreLineHeight-?Browse:1", "tall"},
                             {"BrowseHolidays", "XploreHscroll-?Browse:1", "yes"},
                             {"BrowseHolidays", "XploreFormatString-?Browse:11", "0"}}));
    restored = RestoreListLayout(ini, "BrowseHolidays", "?Browse:1", kDesigned, Designed(), 2, false);
    EXPECT_FALSE(restored.designChanged);
    EXPECT_EQ(restored.formats, (std::vector<QString>{kDesigned, kDesigned}));
    EXPECT_EQ(restored.appearance.lineHeight, 18);
    EXPECT_FALSE(restored.appearance.hScroll);
    EXPECT_EQ(restored.appearance.font, "Serif");
}

} // namespace
} // namespace vl
