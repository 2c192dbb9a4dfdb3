#include "scripting/ReplaceText.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

QString Replaced(const QString& text, int width, const QString& search, const QString& replacement,
                 bool ignoreCase = false)
{
    QString variable = text;
    ReplaceText(variable, width, search, replacement, ignoreCase);
    return variable;
}

TEST(ReplaceText, DoublesEveryOccurrenceOnceWithinTheVariable)
{
    // Ten characters holding "banana": each "a" doubled once, one blank left.
    EXPECT_EQ(Replaced("banana", 10, "a", "aa"), "baanaanaa ");
    // Six characters: the variable never grows, so what is pushed past its
    // end is lost at each step of the walk from the end.
    EXPECT_EQ(Replaced("banana", 6, "a", "aa"), "baanaa");
}

TEST(ReplaceText, ShorterReplacementsPadWithBlanks)
{
    // The text hot keys turn each carriage-return/line-feed pair into a
    // carriage return.
    EXPECT_EQ(Replaced("one\r\ntwo\r\n", 12, "\r\n", "\r"), "one\rtwo\r    ");
    EXPECT_EQ(Replaced("a-b-c", 5, "-", ""), "abc  ");
}

TEST(ReplaceText, EmptySearchTextChangesNothing)
{
    EXPECT_EQ(Replaced("banana", 10, "", "x"), "banana    ");
    EXPECT_EQ(Replaced("banana", 10, "", ""), "banana    ");
}

TEST(ReplaceText, IgnoreCaseAlsoMatchesOtherCase)
{
    EXPECT_EQ(Replaced("BANana", 6, "an", "o"), "BANoa ");
    EXPECT_EQ(Replaced("BANana", 6, "an", "o", true), "Booa  ");
}

TEST(ReplaceText, MatchMustLieInsideTheVariable)
{
    // "banana" cut to 5 characters keeps no final "na" to replace.
    EXPECT_EQ(Replaced("banana", 5, "na", "X"), "baXn ");
    EXPECT_EQ(Replaced("abc", 2, "bc", "X"), "ab");
}

} // namespace
} // namespace vl
