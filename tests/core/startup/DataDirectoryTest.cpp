// Finding the data directory at start, with scripted dialogs, and the one
// scheduler that performs its tasks.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include "core/startup/DataDirectory.h"
#include "core/startup/DirectoryEntry.h"
#include "core/startup/SchedulerHandOver.h"
#include "core/startup/WritableDataDirectory.h"
#include "platform/data/Connection.h"
#include "platform/runtime/IniFile.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace vl {
namespace {

QString Canonical(const QString& path)
{
    return QFileInfo(path).canonicalFilePath();
}

QString MakeDir(const QString& name, bool withData)
{
    const QString path = test::TestPath(name);
    QDir().mkpath(path);
    if (withData)
        test::WriteTextFile(path + QStringLiteral("/VLDB.TPS"), QString());
    return path;
}

struct NoWriteAccess : DataFileAccess { // a user who may not write (tests run as root)
    bool MayWrite(const QString&) const override { return false; }
};

void WritePathsIni(const QString& dir, const QString& data)
{
    IniFile paths(dir + QStringLiteral("/PATHS.INI"));
    ASSERT_TRUE(paths.Put("PATH", "DATA", data));
}

TEST(DataDirectoryTest, ACurrentDirectoryHoldingTheDataFileIsKeptWhateverPathsIniSays)
{
    const QString start = MakeDir("start", true);
    WritePathsIni(start, MakeDir("elsewhere", true));
    QDir::setCurrent(start);
    test::ScriptedPrompt prompt; // any question fails the test
    EXPECT_EQ(Canonical(ChooseDataDirectory(prompt, test::TestPath("install"))), Canonical(start));
    EXPECT_EQ(Canonical(QDir::currentPath()), Canonical(start));
    EXPECT_FALSE(QFileInfo::exists(test::TestPath("install")));
}

TEST(DataDirectoryTest, TheDataFileIsFoundWithoutRegardToCase)
{
    const QString start = MakeDir("start", false);
    test::WriteTextFile(start + QStringLiteral("/vldb.tps"), QString());
    QDir::setCurrent(start);
    test::ScriptedPrompt prompt;
    EXPECT_EQ(Canonical(ChooseDataDirectory(prompt, test::TestPath("install"))), Canonical(start));
}

TEST(DataDirectoryTest, PathsIniLeadsToTheDataDirectory)
{
    const QString start = MakeDir("start", false);
    const QString data = MakeDir("data", true);
    WritePathsIni(start, data);
    QDir::setCurrent(start);
    test::ScriptedPrompt prompt;
    EXPECT_EQ(Canonical(ChooseDataDirectory(prompt, test::TestPath("install"))), Canonical(data));
}

TEST(DataDirectoryTest, PathsIniNamingADirectoryWithoutDataStillAsksAndRemembersTheAnswer)
{
    const QString start = MakeDir("start", false);
    const QString named = MakeDir("empty", false);
    WritePathsIni(start, named);
    const QString chosen = test::TestPath("chosen/new");
    // The data meant for the named directory never goes into the default one.
    const QString install = MakeDir("share/velmora", true);
    QDir::setCurrent(start);

    test::ScriptedPrompt prompt;
    prompt.AnswerPath(chosen);
    const QString result = ChooseDataDirectory(prompt, install);
    EXPECT_EQ(Canonical(result), Canonical(chosen));
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].kind, test::PromptKind::Directory);
    EXPECT_EQ(prompt.Questions()[0].caption, "Select data directory");
    EXPECT_EQ(Canonical(prompt.Questions()[0].start), Canonical(named)); // offered
    EXPECT_EQ(QFileInfo(chosen).permissions().toInt() & 0x0077, 0) << "created private";
    // The answer takes the place of the name that led nowhere.
    EXPECT_EQ(IniFile(start + QStringLiteral("/PATHS.INI")).Get("PATH", "DATA"), chosen);
}

TEST(DataDirectoryTest, CancellingTheDialogAnnouncesNewDataInTheInstallationDirectory)
{
    QDir::setCurrent(MakeDir("start", false));
    const QString install = test::TestPath("install");
    test::ScriptedPrompt prompt;
    prompt.Cancel();
    prompt.Answer(1);
    const QString chosen = ChooseDataDirectory(prompt, install);
    EXPECT_EQ(Canonical(chosen), Canonical(install));
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[1].kind, test::PromptKind::Message);
    EXPECT_EQ(prompt.Questions()[1].text, "Application data will be created in " + Canonical(install) + ".");
    EXPECT_EQ(prompt.Questions()[1].caption, "New Database");
    EXPECT_FALSE(QFileInfo::exists(install + QStringLiteral("/PATHS.INI")));
    EXPECT_EQ(QFileInfo(install).permissions().toInt() & 0x0077, 0) << "the default data directory is created private";
}

TEST(DataDirectoryTest, StartedInsideTheInstallationDirectoryTheDialogStartsThere)
{
    const QString install = MakeDir("install", false);
    const QString inside = MakeDir("install/old", false);
    QDir::setCurrent(inside);
    test::ScriptedPrompt prompt;
    prompt.Cancel();
    prompt.Answer(1);
    EXPECT_EQ(Canonical(ChooseDataDirectory(prompt, install)), Canonical(inside));
    EXPECT_EQ(Canonical(prompt.Questions().at(0).start), Canonical(inside));
}

TEST(DataDirectoryTest, StartedAnywhereTheDataChosenBeforeIsFoundWithoutAQuestion)
{
    // Where the installation directory holds the data (a cancelled dialog),
    // or its PATHS.INI names the directory the dialog chose.
    const QString install = MakeDir("install", false);
    const QString chosen = MakeDir("chosen", true);
    const int shared = QFileInfo(install).permissions().toInt() & 0x0077;
    for (const bool dataInInstallation : {false, true}) {
        if (dataInInstallation)
            test::WriteTextFile(install + QStringLiteral("/VLDB.TPS"), QString());
        else
            WritePathsIni(install, chosen);
        QDir::setCurrent(MakeDir("home", false));
        test::ScriptedPrompt prompt; // any question fails the test
        EXPECT_EQ(Canonical(ChooseDataDirectory(prompt, install)), Canonical(dataInInstallation ? install : chosen));
        EXPECT_EQ(QFileInfo(install).permissions().toInt() & 0x0077, shared) << "an existing one keeps its mode";
    }
}

TEST(DataDirectoryTest, StartedInTheInstallationDirectoryItIsTheDataDirectoryWithoutAQuestion)
{
    // Named through a symbolic link, as a home directory may be.
    const QString install = MakeDir("real/velmora", false);
    ASSERT_TRUE(QFile::link(test::TestPath("real"), test::TestPath("linked")));
    QDir::setCurrent(install);
    test::ScriptedPrompt prompt;
    EXPECT_EQ(Canonical(ChooseDataDirectory(prompt, test::TestPath("linked/velmora"))), Canonical(install));
}

TEST(DataDirectoryTest, ADataDirectoryThatCannotBeWrittenIsNamedWithWhatToDo)
{
    test::ScriptedPrompt prompt; // a writable one asks nothing
    EXPECT_TRUE(CheckDataDirectoryWritable(prompt, test::TestDir()));
    EXPECT_TRUE(QDir(test::TestDir()).entryList(QDir::Files | QDir::Hidden).isEmpty()) << "no trace left";
    // No user, the system's own included, may create a file here.
    prompt.Answer(1);
    EXPECT_FALSE(CheckDataDirectoryWritable(prompt, "/proc"));
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Data Directory Not Writable");
    EXPECT_TRUE(prompt.Questions()[0].text.startsWith("Velmora cannot write in its data directory|/proc||"));
    // The chmod advice only to the owner: /proc is root's; a directory of
    // the user nobody is someone else's.
    EXPECT_EQ(prompt.Questions()[0].text.contains("chmod -R u+w \"/proc\""), ::geteuid() == 0);
    const QString foreign = MakeDir("foreign", false);
    if (::geteuid() != 0 || ::chown(QFile::encodeName(foreign).constData(), 65534, 65534) != 0)
        return;
    const NoWriteAccess noWrites;
    const DataFileAccessOverride useAccess(noWrites);
    prompt.Answer(1);
    EXPECT_FALSE(CheckDataDirectoryWritable(prompt, foreign));
    EXPECT_TRUE(prompt.Questions().at(1).text.endsWith("belong to another user: ask that user for write access, or "
                                                       "copy the directory to a place of your own and start Velmora there."));
}

TEST(DataDirectoryTest, TheInstallationDirectoryFollowsXdgDataHome)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/srv/share");
    EXPECT_EQ(InstallationDirectory(), "/srv/share/velmora");
    qputenv("XDG_DATA_HOME", "relative/share");
    EXPECT_EQ(InstallationDirectory(), QDir::homePath() + "/.local/share/velmora");
    if (saved.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", saved);
}

TEST(DataDirectoryTest, OneSchedulerLockPerDirectoryWhateverItsPathAndOnePerUserName)
{
    const QString data = MakeDir("data", true);
    ASSERT_TRUE(QFile::link(data, test::TestPath("link")));
    const QString viaLink = CanonicalDirectory(test::TestPath("link"));
    EXPECT_EQ(viaLink, CanonicalDirectory(data));

    SchedulerLock first(CanonicalDirectory(data), QString());
    SchedulerLock throughLink(viaLink, QString());
    SchedulerLock otherDirectory(CanonicalDirectory(MakeDir("other", true)), QString());
    SchedulerLock ann(CanonicalDirectory(data), "Ann"), annAgain(viaLink, "Ann"), bob(viaLink, "Bob");
    ASSERT_TRUE(QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(first.Claim(), SchedulerClaim::Ours);
    EXPECT_EQ(QFile::permissions(data + "/VLMR.LCK").toInt() & 0x7077, 0x6000) << "its private directory's mode";
    EXPECT_EQ(throughLink.Claim(), SchedulerClaim::Taken);
    EXPECT_EQ(throughLink.LockHolder().pid, QCoreApplication::applicationPid());
    EXPECT_EQ(throughLink.BusName(), first.BusName());
    EXPECT_EQ(otherDirectory.Claim(), SchedulerClaim::Ours);
    EXPECT_NE(otherDirectory.BusName(), first.BusName());
    EXPECT_EQ(ann.Claim(), SchedulerClaim::Ours);
    EXPECT_EQ(annAgain.Claim(), SchedulerClaim::Taken);
    EXPECT_EQ(bob.Claim(), SchedulerClaim::Ours);
    EXPECT_NE(ann.BusName(), bob.BusName());
    first.Release();
    EXPECT_EQ(throughLink.Claim(), SchedulerClaim::Ours);
}

TEST(DataDirectoryTest, TheProbesLockServesTheClaimOfTheWholeDirectoryAndGoesForAUsersOwn)
{
    const QString data = CanonicalDirectory(MakeDir("data", true));
    const QString directoryLock = QDir(data).filePath(SchedulerLockName(QString()));
    test::ScriptedPrompt prompt;
    for (const QString& userName : {QString(), QStringLiteral("Ann")}) {
        ASSERT_EQ(ProbeDirectoryScheduler(prompt, data), SchedulerStart::Run);
        EXPECT_TRUE(QFile::exists(directoryLock)) << "held from the probe on";
        ASSERT_EQ(ClaimProgramScheduler(prompt, data, userName), SchedulerStart::Run);
        EXPECT_EQ(QFile::exists(directoryLock), userName.isEmpty());
        EXPECT_EQ(ProgramSchedulerBusName(), SchedulerBusName(data, userName));
        SchedulerLock other(data, userName);
        EXPECT_EQ(other.Claim(), SchedulerClaim::Taken);
        ReleaseProgramScheduler();
        EXPECT_EQ(other.Claim(), SchedulerClaim::Ours);
    }
}

TEST(DataDirectoryTest, ASecondStartHandsOverOrNamesAHolderOutOfReach)
{
    const QString data = CanonicalDirectory(MakeDir("data", true));
    SchedulerLock running(data, QString());
    ASSERT_EQ(running.Claim(), SchedulerClaim::Ours);

    QStringList calls;
    const auto reached = [&](bool answers) {
        return [&calls, answers](const QString& busName, const QStringList& arguments) {
            calls << busName + u' ' + arguments.join(u' ');
            return answers;
        };
    };
    test::ScriptedPrompt prompt;
    SchedulerLock second(data, QString());
    EXPECT_EQ(StartScheduler(prompt, second, {"/CONFIG"}, reached(true)), SchedulerStart::HandedOver);
    EXPECT_EQ(calls, QStringList{running.BusName() + " /CONFIG"});

    // The lock's holder on another computer: said once, without waiting for it.
    const QString lockPath = QDir(data).filePath(SchedulerLockName(QString()));
    QStringList lines = test::ReadTextFile(lockPath).split(u'\n');
    ASSERT_GE(lines.size(), 3);
    ASSERT_EQ(lines[2], QSysInfo::machineHostName());
    lines[2] = "far-away";
    running.Release(); // a lock file copied along with the directory
    test::WriteTextFile(lockPath, lines.join(u'\n'));
    calls.clear();
    prompt.AnswerButton("No");
    EXPECT_EQ(StartScheduler(prompt, second, {}, reached(false)), SchedulerStart::RunsElsewhere);
    EXPECT_EQ(calls.size(), 1);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_TRUE(prompt.Questions()[0].text.contains(QString::number(QCoreApplication::applicationPid())));
    EXPECT_TRUE(prompt.Questions()[0].text.contains(
        "The lock file " + lockPath + " says so. When no VLMR runs on far-away, the lock file is left over and can"));
    prompt.AnswerButton("Yes"); // no VLMR runs there: the lock is taken over
    EXPECT_EQ(StartScheduler(prompt, second, {}, reached(false)), SchedulerStart::Run);
    EXPECT_EQ(second.LockHolder().host, QSysInfo::machineHostName());

    // Two starts asked at once: the one answered second hands over to the
    // one that took the lock over first.
    second.Release();
    test::WriteTextFile(lockPath, lines.join(u'\n'));
    struct FirstAnswersFirst : test::ScriptedPrompt {
        SchedulerLock* first = nullptr;
        int Message(const QString& text, const QString& caption, PromptIcon icon, const QString& buttons,
                    int defaultButton) override
        {
            EXPECT_TRUE(first->TakeOver() && first->Claim() == SchedulerClaim::Ours);
            return test::ScriptedPrompt::Message(text, caption, icon, buttons, defaultButton);
        }
    } both;
    SchedulerLock first(data, QString());
    both.first = &first;
    both.AnswerButton("Yes");
    calls.clear();
    const auto reachedOnceTakenOver = [&](const QString& busName, const QStringList& arguments) {
        calls << busName + u' ' + arguments.join(u' ');
        return calls.size() > 1; // the first start answers once it runs
    };
    EXPECT_EQ(StartScheduler(both, second, {}, reachedOnceTakenOver), SchedulerStart::HandedOver);
    EXPECT_EQ(calls.size(), 2) << "asked before the question and after it";
    EXPECT_EQ(both.Questions().size(), 1u) << "no box about a lock that could not be deleted";
}

TEST(DataDirectoryTest, ADirectoryThatCannotBeOpenedIsNamedWithItsReasonAndTheQuestionComesAgain)
{
    const QString start = MakeDir("start", false), foreign = MakeDir("foreign", true); // another user's
    const QString file = test::TestPath("start/file"), chosen = MakeDir("chosen", false);
    test::WriteTextFile(file, QString());
    WritePathsIni(start, foreign);
    struct Refusing : DirectoryEntry { // as to a user other than its owner (root may open any)
        explicit Refusing(const QString& path) : foreign(path) {}
        const DirectoryEntry& system = CurrentDirectoryEntry();
        QString foreign;
        int EntryError(const QString& dir) const override { return dir == foreign ? EACCES : system.EntryError(dir); }
    } refusing(foreign);
    const DirectoryEntryOverride useEntry(refusing);
    QDir::setCurrent(start);

    test::ScriptedPrompt prompt;
    prompt.Answer(1).AnswerPath(foreign).Answer(1).AnswerPath(file).Answer(1).AnswerPath(chosen);
    EXPECT_EQ(Canonical(ChooseDataDirectory(prompt, test::TestPath("install"))), Canonical(chosen));
    ASSERT_EQ(prompt.Questions().size(), 6u);
    QString refusal = "Velmora cannot open this directory for its data:|" + foreign + "||" + strerror(EACCES) + ".||";
    EXPECT_EQ(prompt.Questions()[0].text,
              refusal + "PATHS.INI names it as the data directory: choose the data directory.");
    EXPECT_EQ(prompt.Questions()[2].text, refusal + "Choose another directory.");
    EXPECT_TRUE(prompt.Questions()[4].text.contains(file + "||" + std::strerror(ENOTDIR)));
    EXPECT_EQ(IniFile(start + QStringLiteral("/PATHS.INI")).Get("PATH", "DATA"), chosen);
}

} // namespace
} // namespace vl
