// VLMR as a process: started in a data directory, told to terminate as the
// desktop session does at logout.

#include "core/config/ConfigStore.h"
#include "core/dictionary/Dictionary.h"
#include "platform/runtime/IniFile.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <csignal>

namespace vl {
namespace {

using ::testing::ElementsAre;

QStringList LoggedLabels()
{
    QStringList labels;
    for (const QString& line : test::ReadTextFile("VLMREVNT.LOG").split('\n', Qt::SkipEmptyParts))
        labels << line.mid(22, 32).trimmed();
    return labels;
}

class VlmrProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // An empty main data file: the data directory is found at once and
        // no dialog appears.
        test::WriteTextFile("VLDB.TPS", QString());
        test::WriteTextFile("vlmr.INI", "[Settings]\nLogEvents=1\n");

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_DATA_HOME", test::TestPath("xdg"));
        vlmr.setProcessEnvironment(environment);
        vlmr.setWorkingDirectory(test::TestDir());
        vlmr.setProgram(QStringLiteral(VL_BIN_DIR "/VLMR"));
    }

    void TearDown() override
    {
        if (vlmr.state() != QProcess::NotRunning) {
            vlmr.kill();
            vlmr.waitForFinished();
        }
    }

    // Waits until the program has logged its start, or has ended without;
    // on a busy machine as long as that takes (the suite's timeout bounds it).
    bool Started()
    {
        while (!LoggedLabels().contains("Started")) {
            if (vlmr.waitForFinished(50))
                return LoggedLabels().contains("Started");
        }
        return true;
    }

    QProcess vlmr;
};

TEST_F(VlmrProgramTest, TerminateEndsTheProgramWithoutCloseStepsAndLosesNothing)
{
    vlmr.start();
    ASSERT_TRUE(vlmr.waitForStarted(-1)) << vlmr.errorString().toStdString();
    ASSERT_TRUE(Started()) << vlmr.readAllStandardError().toStdString();

    ASSERT_EQ(::kill(static_cast<pid_t>(vlmr.processId()), SIGTERM), 0);
    ASSERT_TRUE(vlmr.waitForFinished(-1));
    EXPECT_EQ(vlmr.exitStatus(), QProcess::NormalExit) << "ended by itself, not killed by the signal";
    EXPECT_EQ(vlmr.exitCode(), 0);

    EXPECT_THAT(LoggedLabels(), ElementsAre("Started")) << "no close steps: no \"Exit Velmora\"";
    IniFile positions("POSITION.INI");
    EXPECT_GT(positions.Get("Main", "Width").toInt(), 0) << "the frame's place was saved";

    // The data written at start-up is in the data file, readable by the
    // next run.
    DictionaryStart();
    EXPECT_EQ(GetConfigValue("VLMRV"), "vlmr");
    EXPECT_EQ(GetConfigValue("Version"), "1.91");
    DictionaryEnd();
}

} // namespace
} // namespace vl
