// The clipboard saver's store on a real table: what is captured, what is
// not, texts that share their letters, and the maximum count.

#include "core/dictionary/Dictionary.h"
#include "pim/ClipboardSaver.h"
#include "tests/platform/data/DataFileFaults.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

const Date kToday = MakeDate(12, 3, 2025);

class ClipboardSaverTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenTable(clipboard)); }
    void TearDown() override { DictionaryEnd(); }

    ClipCapture Capture(const QString& text, int32_t maxEntries = 0, const QString& window = {})
    {
        return CaptureClipboardText(clipboard, last, {text, window, kToday, ++time}, maxEntries).outcome;
    }

    QStringList Contents()
    {
        QStringList texts;
        ClipboardRecord entry;
        for (clipboard.Set(CLI_KEYCLIPKEEP); clipboard.Next(entry);)
            texts << entry.ClipContents;
        return texts;
    }

    Table<ClipboardRecord>& clipboard = (DictionaryStart(), Tables().Clipboard);
    ClipboardRecord last;
    ClockTime time = MakeClock(9, 0);
};

TEST_F(ClipboardSaverTest, EachNewTextIsStoredOnceBlanksNeverAndTextsSharingTheirLettersAllKept)
{
    const struct {
        const char* text;
        ClipCapture outcome;
    } steps[] = {
        {"Call me, 5pm", ClipCapture::Stored},
        {"Call me, 5pm", ClipCapture::Ignored},  // the same text again
        {"   \t\n ", ClipCapture::Ignored},       // only blanks
        {"CALL ME 6PM", ClipCapture::Stored},    // the same letters
        {"call me!", ClipCapture::Stored},
        {"Call me, 5pm", ClipCapture::Known},    // stored already, not twice
        {"12345", ClipCapture::Stored},          // no letters at all
        {"678", ClipCapture::Stored},
    };
    for (const auto& step : steps)
        EXPECT_EQ(Capture(step.text), step.outcome) << step.text;
    EXPECT_EQ(Contents(), QStringList({"Call me, 5pm", "CALL ME 6PM", "call me!", "12345", "678"}));
    EXPECT_EQ(last.ClipContents, "678");

    ClipboardRecord entry;
    entry.ClipHashKey = "CALLMEPM#2";
    ASSERT_TRUE(clipboard.Get(CLI_KEYCLIPHASH, entry));
    EXPECT_EQ(entry.ClipContents, "CALL ME 6PM");
    EXPECT_EQ(entry.Category, kGeneralClipCategory);
    EXPECT_EQ(ClipboardHashKey(QString(200, 'a') + "!", 12), QString(117, 'A') + "#12") << "cut to 120";
}

TEST_F(ClipboardSaverTest, TheOldestEntriesNotKeptGiveWayInOneTransaction)
{
    for (int i = 0; i < 51; ++i)
        ASSERT_EQ(Capture(QString("text %1").arg(QChar('a' + i % 26)) + QString(i / 26 + 1, 'x')), ClipCapture::Stored);
    ClipboardRecord oldest;
    ASSERT_TRUE(clipboard.Set(CLI_KEYCLIPKEEP) && clipboard.Next(oldest));
    oldest.ClipKeep = 1;
    ASSERT_TRUE(clipboard.Put(oldest));

    test::CommitWatch watch(clipboard);
    watch.failing = true;
    EXPECT_EQ(Capture("refused", 50), ClipCapture::Failed);
    EXPECT_EQ(clipboard.Records(), 51) << "nothing deleted when the entry cannot be added";
    EXPECT_NE(last.ClipContents, "refused");

    watch.failing = false;
    EXPECT_EQ(Capture("newest", 50, "A window title that is long"), ClipCapture::Stored);
    EXPECT_EQ(watch.commits, 1);
    const QStringList texts = Contents();
    EXPECT_EQ(texts.size(), 50);
    EXPECT_TRUE(texts.contains(oldest.ClipContents)) << "a kept entry stays";
    EXPECT_FALSE(texts.contains("text bx")) << "the oldest not kept go";
    EXPECT_FALSE(texts.contains("text cx"));
    EXPECT_EQ(last.Category, "A window title that ");
}

} // namespace
} // namespace vl
