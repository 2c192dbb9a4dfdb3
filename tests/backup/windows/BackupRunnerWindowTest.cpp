#include "backup/windows/BackupRunnerWindow.h"
#include "backup/windows/ZipProgressWindow.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace vl {
namespace {

QPushButton* Button(QWidget& window, const QString& text)
{
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

TEST(BackupRunnerWindow, OkRunsTheChosenOperationThroughTheProgressWindowAndCloses)
{
    test::WriteTextFile("VLDB.TPS", "data");
    test::ScriptedPrompt prompt;
    const ZipProgressWindow progress;
    BackupRunnerWindow window({"Backup", "Weekly"}, test::TestDir(), {});
    EXPECT_EQ(window.windowTitle(), "Backup / Restore");
    ASSERT_TRUE(Button(window, "&Advanced"));
    EXPECT_TRUE(Button(window, "&Advanced")->isEnabled());

    prompt.AnswerPath(test::TestPath("chosen.zip"));
    Button(window, "...")->click();
    EXPECT_EQ(prompt.Questions().back().kind, test::PromptKind::SaveFile);
    EXPECT_EQ(prompt.Questions().back().caption, "Select Archive (Backup to...)");

    prompt.Answer(1);
    window.show();
    Button(window, "&OK")->click();
    EXPECT_EQ(prompt.Questions().back().text, "Backup complete.");
    EXPECT_TRUE(QFile::exists(test::TestPath("chosen.zip")));
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(window.Choice().operation, "Backup to an archive");
    EXPECT_EQ(window.Choice().archiveName, test::TestPath("chosen.zip"));

    BackupRunnerWindow unknown({"Copy", "x"}, test::TestDir(), {});
    unknown.show();
    Button(unknown, "&OK")->click();
    EXPECT_TRUE(unknown.isVisible()) << "no operation chosen: nothing happens";

    QFile::remove(test::TestPath("VLDB.TPS"));
    prompt.Answer(1);
    window.show();
    Button(window, "&OK")->click();
    EXPECT_EQ(prompt.Questions().back().text, "Nothing to process:  *.TPS.");
    EXPECT_TRUE(window.isVisible()) << "a failure is told and the window stays";
}

} // namespace
} // namespace vl
