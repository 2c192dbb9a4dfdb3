// The backup runner as a process: its command lines, unattended, in a data
// folder.

#include "tests/support/TempDir.h"

#include <gmock/gmock.h>

#include <QDir>
#include <QFile>
#include <QProcess>

#include <csignal>

namespace vl {
namespace {

using ::testing::HasSubstr;

struct Outcome {
    int exitCode = -1;
    QString errors;
};

Outcome Halvex(const QStringList& arguments)
{
    QProcess halvex;
    halvex.setWorkingDirectory(test::TestDir());
    halvex.start(QStringLiteral(VL_BIN_DIR "/Halvex"), arguments);
    Outcome run;
    if (halvex.waitForFinished(-1) && halvex.exitStatus() == QProcess::NormalExit)
        run.exitCode = halvex.exitCode();
    run.errors = QString::fromLocal8Bit(halvex.readAllStandardError());
    return run;
}

TEST(HalvexCommandLine, EachCommandLineEndsAsItShould)
{
    const struct {
        QStringList arguments;
        const char* dataFile; // the content of VLDB.TPS, or null for none
        int exitCode;
        const char* said;
        const char* archiveAfter; // an archive that must exist afterwards, or ""
    } cases[] = {
        {{"VLDB.TPS", "--bogus"}, "data", 2, "Unknown option --bogus.", ""},
        {{"VLDB.TPS", "a", "b", "c"}, "data", 2, "Too many arguments: c.", ""},
        {{"--backup"}, "data", 2, "--backup needs the name of the archive.", ""},
        {{"--backup", "x", "--restore", "x"}, "data", 2, "Only one of --backup and --restore may be given.", ""},
        {{"VLDB.TPS", "--backup", "nightly"}, nullptr, 1, "Error: Nothing to process:  *.TPS.", ""},
        {{"--restore", "absent.zip"}, "data", 1, "Open file error", ""},
        {{"VLDB.TPS", "--backup", "nightly"}, "backed up", 0, "Information: Backup complete.", "nightly.ZIP"},
        {{"--restore", "nightly"}, "changed since", 0, "Information: Files successfully restored.", "nightly.ZIP"},
    };
    for (const auto& c : cases) {
        if (c.dataFile)
            test::WriteTextFile("VLDB.TPS", c.dataFile);
        else
            QFile::remove(test::TestPath("VLDB.TPS"));
        const Outcome run = Halvex(c.arguments);
        const std::string line = c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, c.exitCode) << line << "\n" << run.errors.toStdString();
        EXPECT_THAT(run.errors.toStdString(), HasSubstr(c.said)) << line;
        if (c.exitCode == 2) {
            EXPECT_THAT(run.errors.toStdString(), HasSubstr("Usage: Halvex")) << line;
        }
        if (*c.archiveAfter) {
            EXPECT_TRUE(QFile::exists(test::TestPath(c.archiveAfter))) << line;
        }
    }
    EXPECT_EQ(test::ReadTextFile("VLDB.TPS"), "backed up") << "restored as backed up";
    EXPECT_FALSE(QFile::exists(test::TestPath("Halvex.INI"))) << "the unattended runs keep no choices";
}

// Whether the process catches SIGTERM by now (its caught-signal mask).
bool CatchesTerm(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    return false;
}

TEST(BackupProgramsEnd, ATermKeepsTheirIniFileAndEndsWith143)
{
    for (const char* program : {"Halvex", "Orlend"}) {
        const QString ini = test::TestPath(QStringLiteral("%1.INI").arg(program));
        QProcess run;
        run.setWorkingDirectory(test::TestDir());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        run.setProcessEnvironment(environment);
        run.start(QStringLiteral(VL_BIN_DIR "/") + program, {});
        ASSERT_TRUE(run.waitForStarted(-1));
        while (!CatchesTerm(run.processId()) && run.state() == QProcess::Running)
            run.waitForFinished(10);
        ::kill(static_cast<pid_t>(run.processId()), SIGTERM);
        ASSERT_TRUE(run.waitForFinished(-1));
        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit) << program;
        EXPECT_EQ(run.exitCode(), 143) << program;
        EXPECT_THAT(test::ReadTextFile(ini).toStdString(), HasSubstr("Width=")) << program << ": its place kept";
    }
}

} // namespace
} // namespace vl
