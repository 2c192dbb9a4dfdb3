#include "platform/runtime/FixedText.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(FixedText, ClipCutAndPad)
{
    EXPECT_EQ(Clip("abc   "), "abc");
    EXPECT_EQ(Clip("  a b  "), "  a b");
    EXPECT_EQ(Clip("    "), "");
    EXPECT_EQ(CutTo("abcdef", 3), "abc");
    EXPECT_EQ(CutTo("ab", 3), "ab");
    EXPECT_EQ(CutTo("ab", -1), "");
    EXPECT_EQ(PadTo("ab", 4), "ab  ");
    EXPECT_EQ(PadTo("abcdef", 4), "abcd");
    EXPECT_EQ(PadTo("x", 0), "");
}

TEST(FixedText, CaseInsensitiveCompareOfClippedText)
{
    EXPECT_TRUE(SameTextNoCase("Work  ", "WORK"));
    EXPECT_TRUE(SameTextNoCase(QString::fromUtf8("Ärger"), QString::fromUtf8("ÄRGER ")));
    EXPECT_FALSE(SameTextNoCase(" Work", "Work"));
    EXPECT_EQ(UpperClip(QString::fromUtf8("straße ")), QString::fromUtf8("STRASSE"));
}

} // namespace
} // namespace vl
