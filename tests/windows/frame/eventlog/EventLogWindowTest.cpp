#include "platform/widgets/WindowPosition.h"
#include "core/base/TextFileRecords.h"
#include "windows/frame/eventlog/EventLogWindow.h"
#include "core/base/Globals.h"
#include "platform/runtime/IniFile.h"
#include "tests/support/TempDir.h"

#include <QCoreApplication>
#include <QFile>
#include <QListView>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vl {
namespace {

class EventLogWindowTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = GlobalUseLog; }
    void TearDown() override { GlobalUseLog = saved_; }

    static void WriteLog(int lines)
    {
        QFile file(test::TestPath(kEventLogFileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QByteArray text;
        for (int i = 0; i < lines; ++i)
            text += QStringLiteral("OCT 31,1959 5:30 PM   %1%2\n")
                        .arg(QStringLiteral("Run Program").leftJustified(32))
                        .arg(QStringLiteral("task %1").arg(i).leftJustified(128))
                        .toUtf8();
        file.write(text);
    }

private:
    bool saved_ = false;
};

TEST_F(EventLogWindowTest, ShowsALongLogAtOnceAndSearchesIt)
{
    GlobalUseLog = true;
    WriteLog(100000);
    QPointer<EventLogWindow> window = ViewAscii_Log();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), "Event Log");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->LineCount(), 100000);
    EXPECT_EQ(window->List()->model()->rowCount(), 100000);
    EXPECT_EQ(window->LineText(99999).mid(54).trimmed(), "task 99999");
    EXPECT_TRUE(window->List()->font().fixedPitch());
    EXPECT_EQ(window->SearchButton()->text(), "&Search...");
    EXPECT_EQ(window->CloseButton()->text(), "&Close");
    EXPECT_TRUE(window->SearchButton()->isEnabled());

    ASSERT_TRUE(window->FindNext("TASK 99998"));
    EXPECT_EQ(window->CurrentLine(), 99998);
    ASSERT_TRUE(window->FindNext("task 1"));
    EXPECT_EQ(window->CurrentLine(), 1); // wrapped round to the start
    EXPECT_FALSE(window->FindNext("no such text"));
    EXPECT_EQ(window->CurrentLine(), 1);

    window->CloseButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
}

TEST_F(EventLogWindowTest, KeepsItsPlaceUnderItsProcedureName)
{
    GlobalUseLog = true;
    WriteLog(3);
    EventLogWindow* window = ViewAscii_Log();
    ASSERT_TRUE(window);
    window->setGeometry(120, 80, 640, 300);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    IniFile positions(test::TestPath(kPositionIniFile));
    const auto place = ReadWindowPlace(positions, "ViewAscii:Log");
    ASSERT_TRUE(place.has_value());
    EXPECT_EQ(place->size(), QSize(640, 300));

    window = ViewAscii_Log();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->size(), QSize(640, 300));
    window->close();
}

TEST_F(EventLogWindowTest, WithLoggingOffItNotesThatInTheLogFirst)
{
    GlobalUseLog = false;
    EventLogWindow* window = ViewAscii_Log();
    ASSERT_TRUE(window);
    ASSERT_EQ(window->LineCount(), 1);
    EXPECT_EQ(window->LineText(0).mid(22, 32).trimmed(), "View Log - Logging disabled");
    EXPECT_EQ(window->LineText(0).mid(54).trimmed(), "Logging is not enabled in configuration.");
    window->close();
    EXPECT_FALSE(GlobalUseLog);
}

TEST_F(EventLogWindowTest, NoWindowWhenTheLogCannotBeRead)
{
    GlobalUseLog = true;
    EXPECT_EQ(ViewAscii_Log(), nullptr);
}

} // namespace
} // namespace vl
