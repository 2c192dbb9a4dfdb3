#pragma once
// A fresh data directory with the dictionary started, settings and queues put
// back after each test, and shell scripts that record how they were started.

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/ProgramQueues.h"
#include "core/base/TextFileRecords.h"
#include "core/launch/LaunchProgram.h"
#include "core/launch/ProcessHandles.h"
#include "core/base/Globals.h"
#include "tests/support/TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

namespace vl::test {

// Polls until done, for at most 20 seconds (a started child's end or output).
inline bool PollUntil(const std::function<bool()>& done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return done();
}

// A "#!/bin/sh" script that writes its working directory and its arguments,
// one a line, to outFile (renamed into place when complete), then runs tail.
inline QString WriteRecordingScript(const QString& path, const QString& outFile, const QString& tail = {})
{
    WriteTextFile(path, QStringLiteral("#!/bin/sh\n{ pwd -P; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '%1.tmp'\n"
                                       "mv '%1.tmp' '%1'\n%2\n")
                            .arg(outFile, tail));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

inline QStringList Recorded(const QString& outFile)
{
    PollUntil([&] { return QFileInfo::exists(outFile); });
    return ReadTextFile(outFile).split('\n', Qt::SkipEmptyParts);
}

class LaunchFixture : public ::testing::Test {
protected:
    void SetUp() override { DictionaryStart(); }

    void TearDown() override
    {
        DictionaryEnd();
        for (const ExitCodeEntry& entry : ExitCodeQueue)
            CloseProcessHandle(entry.HPROCESS);
        ExitCodeQueue.clear();
        ScriptQueue.clear();
        ProgramEndAction() = {};
        GlobalUseLog = false;
        LogExitCodes = 0;
        GlobalDelay = 25;
    }

    static void AddItems(int32_t taskId, QList<ScriptingRecord> items)
    {
        ASSERT_TRUE(OpenTable(Tables().Scripting));
        for (ScriptingRecord& item : items) {
            item.ID = taskId;
            EXPECT_TRUE(Tables().Scripting.Add(item));
        }
        Tables().Scripting.Close();
    }

    static ScriptingRecord Item(const QString& action, int32_t seconds = 0, const QString& condition = {})
    {
        return {.Action = action, .SecondsToWait = seconds, .DDEApplicationName = condition};
    }

    // The event log's lines as "label | text".
    static QStringList LoggedEvents()
    {
        QStringList events;
        for (const QString& line : ReadTextFile(QLatin1String(kEventLogFileName)).split('\n', Qt::SkipEmptyParts))
            events << line.mid(22, 32).trimmed() + " | " + line.mid(54).trimmed();
        return events;
    }
};

} // namespace vl::test
