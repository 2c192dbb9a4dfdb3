// The query dialog's numbered display texts.

#include <gtest/gtest.h>

#include "core/startup/QueryWizardTexts.h"

namespace vl {
namespace {

TEST(QueryWizardTextsTest, AllDisplayTextsAreLoadedUnderTheirNumbers)
{
    LoadQueryWizardTexts();
    EXPECT_EQ(QueryWizardTexts().size(), 124u);
    EXPECT_EQ(QueryWizardDisplayText(1), "Is Equal To");
    EXPECT_EQ(QueryWizardDisplayText(12), "Is NOT Checked");
    EXPECT_EQ(QueryWizardDisplayText(34),
              "The query you have designed is invalid.|Please review your query and correct the problem.");
    EXPECT_EQ(QueryWizardDisplayText(38), QueryWizardDisplayText(221));
    EXPECT_TRUE(QueryWizardDisplayText(38).endsWith("necessary corrections to fix this query."));
    EXPECT_EQ(QueryWizardDisplayText(243), "MS Sans Serif");
    EXPECT_EQ(std::get<int>(QueryWizardTexts().at(72)), 10);
    EXPECT_EQ(std::get<int>(QueryWizardTexts().at(80)), 12);
    EXPECT_EQ(QueryWizardDisplayText(244), "8");
    EXPECT_TRUE(QueryWizardTexts().count(230));
    EXPECT_EQ(QueryWizardDisplayText(230), "");
    EXPECT_EQ(QueryWizardDisplayText(124), "&Next >");
    EXPECT_EQ(QueryWizardDisplayText(301), "Converting Data File Structure  -- Please Wait...");
    EXPECT_FALSE(QueryWizardTexts().count(13));
    // What the dialog is handed: every entry, numbers as digits.
    const auto handed = QueryWizardDisplayTexts();
    EXPECT_EQ(handed.size(), 124u);
    EXPECT_EQ(handed.at(72), "10");
    EXPECT_EQ(handed.at(103), "AND");
}

} // namespace
} // namespace vl
