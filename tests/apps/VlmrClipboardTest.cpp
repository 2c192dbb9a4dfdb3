// VLMR as a process on an X display saves what another program puts on the
// clipboard, once, and goes on working when the clipboard's owner hangs.

#include "core/dictionary/Dictionary.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace vl {
namespace {

// The saved texts, read afresh (VLMR writes them meanwhile).
QStringList SavedTexts()
{
    DictionaryStart();
    QStringList texts;
    ClipboardRecord entry;
    if (OpenTable(Tables().Clipboard))
        for (Tables().Clipboard.Set(CLI_KEYCLIPKEEP); Tables().Clipboard.Next(entry);)
            texts << entry.ClipContents;
    DictionaryEnd();
    return texts;
}

class VlmrClipboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs an X display";
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("XDG_DATA_HOME", test::TestPath("xdg"));
    }
    void TearDown() override
    {
        for (QProcess* process : {&vlmr, &owner, &hung}) {
            process->kill();
            process->waitForFinished();
        }
    }

    void Own(QProcess& process, const QStringList& arguments)
    {
        process.kill();
        process.waitForFinished();
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VL_CLIPBOARD_OWNER), arguments);
        while (!process.canReadLine() && process.waitForReadyRead(-1)) {
        }
        ASSERT_TRUE(process.canReadLine() && process.readLine().trimmed() == "owner");
    }

    // Waits for the condition as long as it takes on a busy machine, or until
    // VLMR ends; the suite's timeout for the test bounds the wait.
    template <class Condition>
    bool Eventually(Condition condition)
    {
        while (!condition()) {
            if (vlmr.waitForFinished(100))
                return condition();
        }
        return true;
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess vlmr, owner, hung;
};

TEST_F(VlmrClipboardTest, ACopiedTextIsSavedOnceAndAHungOwnerHoldsNothingUp)
{
    EXPECT_TRUE(SavedTexts().isEmpty()); // creates the data file: VLMR keeps its data here
    test::WriteTextFile("vlmr.INI", "[Settings]\nMonitorClipboard=1\nStartUpMinimized=1\n");
    vlmr.setProcessEnvironment(environment);
    vlmr.setWorkingDirectory(test::TestDir());
    vlmr.start(QStringLiteral(VL_BIN_DIR "/VLMR"), {});
    ASSERT_TRUE(vlmr.waitForStarted(-1)) << vlmr.errorString().toStdString();

    Own(owner, {"First copied text"});
    ASSERT_TRUE(Eventually([] { return SavedTexts().contains("First copied text"); }))
        << vlmr.readAllStandardError().toStdString();

    Own(hung, {"Never read", "hang"});
    Own(owner, {"After the hung owner"});
    ASSERT_TRUE(Eventually([] { return SavedTexts().contains("After the hung owner"); }))
        << vlmr.readAllStandardError().toStdString();
    const QStringList saved = SavedTexts();
    EXPECT_EQ(saved.count("First copied text"), 1);
    EXPECT_FALSE(saved.contains("Never read"));
    EXPECT_EQ(vlmr.state(), QProcess::Running);
}

} // namespace
} // namespace vl
