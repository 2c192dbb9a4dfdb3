#include "backup/windows/ArchiveTextDialogs.h"
#include "backup/windows/BackupManagerFrame.h"
#include "backup/windows/BackupRunnerWindow.h"
#include "backup/windows/MemberChoiceDialog.h"
#include "backup/windows/ZipPreferencesDialog.h"
#include "platform/zip/ZipArchive.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

namespace vl {
namespace {

template <class Control>
Control* Find(QWidget& window, const QString& text)
{
    for (Control* control : window.findChildren<Control*>()) {
        if (control->text() == text)
            return control;
    }
    return nullptr;
}

QAction* Action(QWidget& window, const QString& text)
{
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// Runs the check on the modal dialog the next command opens, once it is
// open, then closes it.
void OnNextDialog(std::function<void(QDialog&)> check)
{
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return OnNextDialog(check);
        check(*dialog);
        dialog->reject();
    });
}

TEST(BackupManagerFrame, OpensAnArchiveListsItAndAcceptingAnEntryExtractsTheMarked)
{
    ZipAddJob job;
    job.archive = test::TestPath("week.zip");
    job.level = 6;
    job.files = {{test::WriteTextFile("a.txt", QString("a").repeated(900)), "a.txt"},
                 {test::WriteTextFile("b.txt", "b"), "b.txt"}};
    ZipProgress quiet;
    ASSERT_TRUE(AddToArchive(job, quiet).Ok());

    test::ScriptedPrompt prompt;
    BackupManagerFrame frame;
    frame.show();
    EXPECT_EQ(frame.windowTitle(), "Olvo Backup Module");
    const QRect screen = frame.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(frame.frameGeometry())) << "opens inside the screen";
    for (const char* command : {"&Add...", "&Delete...", "E&xtract...", "&Test...", "&Information...", "&Close Archive"})
        EXPECT_FALSE(Action(frame, command)->isEnabled()) << command;
    EXPECT_FALSE(Action(frame, "&Contents")->toolTip().isEmpty()) << "no help file, and it says so";

    prompt.AnswerPath(job.archive);
    Action(frame, "&Open Archive...")->trigger();
    EXPECT_EQ(prompt.Questions().back().caption, "Open ZIP archive");
    EXPECT_EQ(frame.windowTitle(), "Olvo Backup Module - " + job.archive) << "the name's case is kept";
    EXPECT_TRUE(screen.contains(frame.frameGeometry())) << "the listing keeps it inside";
    ASSERT_TRUE(frame.Contents());
    QTreeWidget& list = frame.Contents()->List();
    ASSERT_EQ(list.topLevelItemCount(), 2);
    EXPECT_EQ(list.topLevelItem(0)->text(1), "a.txt");
    EXPECT_EQ(list.topLevelItem(0)->text(7), "DeflatedN");
    for (const char* command : {"&Add...", "E&xtract...", "&Close Archive"})
        EXPECT_TRUE(Action(frame, command)->isEnabled()) << command;

    list.topLevelItem(1)->setSelected(true);
    EXPECT_TRUE(frame.Zip().listing.at(1).marked);
    bool asked = false;
    OnNextDialog([&](QDialog& dialog) {
        asked = true;
        EXPECT_EQ(dialog.windowTitle(), "Extract files");
        EXPECT_TRUE(Find<QRadioButton>(dialog, "&Selected files")->isChecked());
        EXPECT_EQ(Find<QLabel>(dialog, "Files to unzip:")->parentWidget()->findChildren<QLabel*>().at(1)->text(), "1");
    });
    emit list.itemActivated(list.topLevelItem(1), 0);
    QApplication::processEvents(); // the posted Extract command
    EXPECT_TRUE(asked);

    Action(frame, "&Close Archive")->trigger();
    EXPECT_EQ(frame.windowTitle(), "Olvo Backup Module");
    EXPECT_FALSE(frame.Contents());
    EXPECT_FALSE(Action(frame, "E&xtract...")->isEnabled());
    EXPECT_TRUE(frame.Zip().archiveName.isEmpty());
}

TEST(BackupManagerDialogs, ChoicesCountsAndPasswords)
{
    test::ScriptedPrompt prompt;
    ZipObject zip;
    zip.listing = {{1, "a", 0, 0, 10}, {2, "b", 0, 0, 20}};
    zip.members = 2;
    zip.originalSize = 30;
    MemberChoiceDialog remove(MemberWork::Delete, zip);
    EXPECT_TRUE(Find<QRadioButton>(remove, "&All files")->isChecked());
    const auto count = [&remove](const char* label) {
        return Find<QLabel>(remove, label)->parentWidget()->findChildren<QLabel*>().at(1)->text();
    };
    EXPECT_EQ(count("Files to delete:"), "2");
    remove.findChildren<QLineEdit*>().at(0)->setText("*.txt");
    emit remove.findChildren<QLineEdit*>().at(0)->textEdited("*.txt");
    EXPECT_TRUE(Find<QRadioButton>(remove, "&Wildcard")->isChecked());
    EXPECT_EQ(count("Files to delete:"), "0");
    Find<QPushButton>(remove, "&Delete")->click();
    EXPECT_EQ(zip.wildcard, "*.txt");

    PasswordDialog password;
    password.show();
    const QList<QLineEdit*> entries = password.findChildren<QLineEdit*>();
    entries.at(0)->setText("one");
    entries.at(1)->setText("two");
    prompt.Answer(1);
    Find<QPushButton>(password, "&OK")->click();
    EXPECT_EQ(prompt.Questions().back().text, "The password you typed is incorrect. Please re-enter the passwords.");
    EXPECT_TRUE(password.isVisible());
    EXPECT_TRUE(entries.at(0)->text().isEmpty() && entries.at(1)->text().isEmpty());
    entries.at(0)->setText("same");
    entries.at(1)->setText("same");
    Find<QPushButton>(password, "&OK")->click();
    EXPECT_EQ(password.result(), QDialog::Accepted);
    EXPECT_EQ(password.Password(), "same");

    ZipPreferences preferences;
    ZipPreferencesDialog dialog(preferences);
    Find<QRadioButton>(dialog, "&Store")->setChecked(true);
    Find<QRadioButton>(dialog, "&Full path")->setChecked(true);
    Find<QRadioButton>(dialog, "&Update (and Add) files")->setChecked(true);
    Find<QCheckBox>(dialog, "Process files before mm/dd/yyyy only")->setChecked(true);
    EXPECT_FALSE(Find<QCheckBox>(dialog, "Recurse folders")->isEnabled());
    Find<QPushButton>(dialog, "&OK")->click();
    EXPECT_EQ(ZipLevelOf(preferences.compressionLevelSwitch), 0);
    EXPECT_EQ(ZipOptionBitsOf(preferences, {}), kOptFullPath);
    EXPECT_EQ(ZipActionCodeOf(preferences.action), kZipActionUpdate);
    EXPECT_EQ(preferences.beforeDate.size(), 8);
}

TEST(BackupRunnerWindow, AdvancedStartsTheManagerOrSaysItCannot)
{
    test::ScriptedPrompt prompt;
    ProgramStart missing;
    missing.program = test::TestPath("no-such-program");
    BackupRunnerWindow cannot({"Backup", "x"}, test::TestDir(), missing);
    cannot.show();
    prompt.Answer(1);
    Find<QPushButton>(cannot, "&Advanced")->click();
    EXPECT_EQ(prompt.Questions().back().caption, "Error");
    EXPECT_TRUE(cannot.isVisible()) << "the runner stays open";

    ProgramStart manager;
    manager.program = "/bin/true";
    manager.arguments = {"VLDB.TPS"};
    BackupRunnerWindow starts({"Backup", "x"}, test::TestDir(), manager);
    starts.show();
    Find<QPushButton>(starts, "&Advanced")->click();
    EXPECT_FALSE(starts.isVisible());
    EXPECT_EQ(starts.result(), QDialog::Accepted);
}

} // namespace
} // namespace vl
