#include "platform/ui/MessageButtons.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(MessageButtons, ButtonListAndLabels)
{
    EXPECT_EQ(SplitButtonList("&Yes|&No|&Cancel"), QStringList({"&Yes", "&No", "&Cancel"}));
    EXPECT_EQ(SplitButtonList(""), QStringList({"OK"}));
    EXPECT_EQ(SplitButtonList("   "), QStringList({"OK"}));
    EXPECT_EQ(PlainButtonLabel("&Yes"), "Yes");
    EXPECT_EQ(PlainButtonLabel("Cl&ose"), "Close");
    EXPECT_EQ(PlainButtonLabel("Save && E&xit"), "Save & Exit");
}

TEST(MessageButtons, StandardButtonsNumberInFixedOrder)
{
    const StandardButtons yesNo = ButtonNo | ButtonYes;
    EXPECT_EQ(StandardButtonList(yesNo), "&Yes|&No");
    EXPECT_EQ(StandardButtonNumber(yesNo, ButtonYes), 1);
    EXPECT_EQ(StandardButtonNumber(yesNo, ButtonNo), 2);
    EXPECT_EQ(StandardButtonNumber(yesNo, ButtonCancel), 0);

    const StandardButtons retryCancel = ButtonCancel | ButtonRetry;
    EXPECT_EQ(StandardButtonList(retryCancel), "&Retry|Cancel");
    EXPECT_EQ(StandardButtonAt(retryCancel, 2), ButtonCancel);

    const StandardButtons yesNoIgnore = ButtonYes | ButtonNo | ButtonIgnore;
    EXPECT_EQ(StandardButtonList(yesNoIgnore), "&Yes|&No|&Ignore");
    EXPECT_EQ(StandardButtonAt(yesNoIgnore, 3), ButtonIgnore);
    EXPECT_EQ(StandardButtonAt(yesNoIgnore, 4), 0u);
    EXPECT_EQ(StandardButtonAt(yesNoIgnore, 0), 0u);
    EXPECT_EQ(StandardButtonList(ButtonAbort | ButtonRetry), "&Abort|&Retry");
}

TEST(MessageButtons, DefaultAndEscapeButtons)
{
    EXPECT_EQ(ValidDefaultButton(2, 3), 2);
    EXPECT_EQ(ValidDefaultButton(0, 3), 1);
    EXPECT_EQ(ValidDefaultButton(4, 3), 1);

    EXPECT_EQ(EscapeButton({"&Yes", "&No", "Cancel"}), 3);
    EXPECT_EQ(EscapeButton({"&CANCEL", "&Retry"}), 1);
    EXPECT_EQ(EscapeButton({"OK"}), 1);
    // Yes/No has no safe answer for Escape: the user must choose.
    EXPECT_EQ(EscapeButton({"&Yes", "&No"}), 0);
}

TEST(MessageButtons, BarInTheTextIsALineBreak)
{
    EXPECT_EQ(MessageLines("This option requires exclusive file access.|Please ensure no other users are in the "
                           "system. |An error occurred"),
              "This option requires exclusive file access.\nPlease ensure no other users are in the system. \n"
              "An error occurred");
    EXPECT_EQ(MessageLines("Sorry!||"), "Sorry!\n\n");
    EXPECT_EQ(MessageLines("no breaks"), "no breaks");
}

} // namespace
} // namespace vl
