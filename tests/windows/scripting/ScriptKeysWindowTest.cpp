// The key list window: the built-in list or the user's KEYCODES.TXT, search
// from the selected line, the printed list, a file that cannot be read, and
// the item editor's button that opens it.

#include "windows/scripting/ScriptKeysWindow.h"

#include "tests/support/ScriptedPrompt.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(ScriptKeysWindowTest, ShowsSearchesAndPrintsTheKeyList)
{
    const struct {
        const char* file; // KEYCODES.TXT; nullptr: none
        const char* search;
        const char* found;
    } cases[] = {
        {nullptr, "pgdn", "PGDN"},
        {"Keys of our office\r\n[F5] refresh\r\n[^S] save\r\n", "save", "[^S] save"},
    };
    for (const auto& c : cases) {
        QFile::remove(kKeyCodesFileName);
        if (c.file) {
            QFile file(kKeyCodesFileName);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.file);
        }
        ScriptKeysWindow window;
        ASSERT_TRUE(window.Open());
        EXPECT_TRUE(window.PrintButton()->isEnabled());
        EXPECT_TRUE(window.SearchButton()->isEnabled());
        ASSERT_TRUE(window.FindNext(c.search)) << c.search;
        EXPECT_TRUE(window.LineText(window.CurrentLine()).contains(c.found)) << c.search;
        EXPECT_FALSE(window.FindNext("no such text anywhere"));
        const Report printed = window.PrintedList();
        ASSERT_EQ(printed.rows.size(), window.LineCount());
        EXPECT_EQ(printed.rows.at(window.CurrentLine()).cells, QStringList{window.LineText(window.CurrentLine())});
        EXPECT_TRUE(printed.definition.fonts.detail.fixedPitch());
    }
}

TEST(ScriptKeysWindowTest, UnreadableListIsReportedAndOpensNoWindow)
{
    ASSERT_TRUE(QDir().mkdir(kKeyCodesFileName)); // there, but no file to read
    test::ScriptedPrompt prompt;
    prompt.Answer(1);
    EXPECT_EQ(ViewAscii_ScriptKeys(), nullptr);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_TRUE(prompt.Questions().at(0).text.contains(kKeyCodesFileName));
}

} // namespace
} // namespace vl
