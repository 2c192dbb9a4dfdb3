#include "platform/runtime/FixedText.h"

#include <gtest/gtest.h>

#include <tuple>

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

// Widths count UTF-16 units; a cut never leaves part of a character (emoji, accent, flag, skin tone, a
// lone half of a pair). An entry's edit keeps what fits of its insertion.
TEST(FixedText, CutsEndOnWholeCharacters)
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"), accented = QString::fromUtf8("e\xCC\x81");
    const QString flag = QString::fromUtf8("\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA");
    const QString waved = QString::fromUtf8("\xF0\x9F\x91\x8B\xF0\x9F\x8F\xBD");
    const struct {
        QString text;
        int width;
        QString expected;
    } cases[] = {
        {QString(39, u'a') + emoji, 40, QString(39, u'a')}, {QString(38, u'a') + emoji, 40, QString(38, u'a') + emoji},
        {"ab" + accented + "x", 3, "ab"}, {"ab" + accented + "x", 4, "ab" + accented}, {"a" + flag, 3, "a"},
        {"a" + flag + "b", 5, "a" + flag}, {"a" + waved, 3, "a"}, {"a" + waved, 5, "a" + waved},
        {"ab" + emoji.left(1) + "cd", 10, "abcd"}, {"ab" + emoji.right(1) + emoji.left(1), 3, "ab"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CutTo(c.text, c.width), c.expected) << c.text.toStdString() << " to " << c.width;
        EXPECT_EQ(PadTo(c.text, c.width).size(), c.width);
    }
    for (auto [text, cursor, width, expected, after] :
         {std::tuple{QStringLiteral("abXYZc"), 5, 4, QStringLiteral("abXc"), 3}, {"ab" + emoji + "c", 4, 4, "abc", 2},
          {"aaa" + accented, 5, 4, "aaa", 3}, {"abcdef", 0, 3, "abc", 0}}) { // no insertion: the end goes
        EXPECT_EQ(FitEdit(text, cursor, width), expected) << text.toStdString();
        EXPECT_EQ(cursor, after) << text.toStdString();
    }
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
