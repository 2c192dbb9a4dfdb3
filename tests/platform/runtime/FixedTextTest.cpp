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

// Widths count UTF-16 units; a cut never leaves part of a character.
TEST(FixedText, CutsEndOnWholeCharacters)
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");         // two units
    const QString accented = QString::fromUtf8("e\xCC\x81");               // e + combining acute
    const QString flag = QString::fromUtf8("\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA"); // two regional indicators
    const QString waved = QString::fromUtf8("\xF0\x9F\x91\x8B\xF0\x9F\x8F\xBD"); // hand + skin tone
    const QChar high = emoji[0];
    const struct {
        QString text;
        int width;
        QString expected;
    } cases[] = {
        {QString(39, u'a') + emoji, 40, QString(39, u'a')},
        {QString(38, u'a') + emoji, 40, QString(38, u'a') + emoji},
        {"ab" + accented + "x", 3, "ab"},
        {"ab" + accented + "x", 4, "ab" + accented},
        {"a" + flag, 3, "a"},
        {"a" + flag + "b", 5, "a" + flag},
        {"a" + waved, 3, "a"},
        {"a" + waved, 5, "a" + waved},
        {QString("ab") + high + "cd", 10, "abcd"},
        {QString("ab") + emoji[1] + high, 3, "ab"},
    };
    for (const auto& c : cases) {
        const QString cut = CutTo(c.text, c.width);
        EXPECT_EQ(cut, c.expected) << c.text.toStdString() << " to " << c.width;
        EXPECT_EQ(QString::fromUtf8(cut.toUtf8()), cut) << "no half character reaches the encoding";
        EXPECT_EQ(PadTo(c.text, c.width).size(), c.width);
    }
    EXPECT_EQ(WholeCharacters(QString("x") + high), "x");
    EXPECT_EQ(WholeCharacters("x" + emoji), "x" + emoji);
}

// What an entry keeps of an insertion that makes its text too long: the
// start of what was inserted, on whole characters, and the text after it.
TEST(FixedText, AnEditKeepsWhatFitsOfTheInsertion)
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const struct {
        QString text;
        int cursor;
        int width;
        QString expected;
        int cursorAfter;
    } cases[] = {
        {"abc", 3, 5, "abc", 3},
        {"abXYZc", 5, 4, "abXc", 3},
        {"ab" + emoji + "c", 4, 4, "abc", 2},
        {"aaa" + QString::fromUtf8("e\xCC\x81"), 5, 4, "aaa", 3},
        {"abcdef", 0, 3, "abc", 0}, // no insertion before the cursor: the end goes
    };
    for (const auto& c : cases) {
        int cursor = c.cursor;
        EXPECT_EQ(FitEdit(c.text, cursor, c.width), c.expected) << c.text.toStdString();
        EXPECT_EQ(cursor, c.cursorAfter) << c.text.toStdString();
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
