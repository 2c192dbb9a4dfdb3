#pragma once
// A main frame over a fresh data directory, with a fake notification area,
// the program INI file to give it settings, and helpers to read what it
// logged and stored.

#include "core/dictionary/Dictionary.h"
#include "core/cycle/SchedulerState.h"
#include "windows/frame/frame/MainFrame.h"
#include "core/cycle/SchedulerRoutines.h"
#include "core/base/Globals.h"
#include "core/startup/WritableDataDirectory.h"
#include "platform/ui/PromptService.h"
#include "tests/windows/frame/tray/FakeTrayBackend.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>

#include <memory>

namespace vl::test {

class MainFrameFixture : public ::testing::Test {
protected:
    // The title reads whether the data directory can be written.
    void SetUp() override { CheckDataDirectoryWritable(CurrentPromptService(), "."); DictionaryStart(); }

    void TearDown() override
    {
        frame.reset();
        DictionaryEnd();
        TickRoutines() = {};
        ScriptQueue.clear();
        NextTaskText.clear();
        StartUpActive = 0;
        MinimizeOnCloseRequest = 0;
        StartUpMinimized = 0;
        NoTray = 0;
        GlobalUseLog = false;
    }

    // Settings as the user left them in the program INI file; the frame's
    // start-up loads them.
    void Settings(const QString& lines) { WriteTextFile(QStringLiteral("vlmr.INI"), "[Settings]\n" + lines); }

    MainFrame& MakeFrame()
    {
        auto backend = std::make_unique<FakeTrayBackend>();
        tray = backend.get();
        frame = std::make_unique<MainFrame>(positions, std::move(backend));
        return *frame;
    }

    MainFrame& OpenFrame()
    {
        MakeFrame();
        EXPECT_TRUE(frame->Open());
        return *frame;
    }

    // Labels of the event log's lines, in order.
    QStringList LoggedLabels() const
    {
        QStringList labels;
        for (const QString& line : ReadTextFile(QStringLiteral("VLMREVNT.LOG")).split('\n', Qt::SkipEmptyParts))
            labels << line.mid(22, 32).trimmed();
        return labels;
    }

    static void DeliverPostedEvents() { QCoreApplication::sendPostedEvents(); }

    IniFile positions{QStringLiteral("POSITION.INI")};
    FakeTrayBackend* tray = nullptr;
    std::unique_ptr<MainFrame> frame;
};

} // namespace vl::test
