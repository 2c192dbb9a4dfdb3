// The progress window of record work: the percentage it shows, timers held
// back while it lets its events through, the ways a user cancels it, and the
// window the service shows while a tracker lives.

#include "platform/widgets/ProcessProgressWindow.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(ProcessProgressWindow, ShowsThePercentageAndTakesEveryCancel)
{
    const ProgressTexts texts{"Processing Records", "Copying Script", "CopyTest"};
    const struct {
        int64_t done;
        int64_t total;
        const char* shown;
    } steps[] = {{0, 3, "0% Completed"}, {2, 3, "66% Completed"}, {5, 3, "100% Completed"}, {0, 0, "100% Completed"}};
    {
        ProcessProgressWindow window(texts);
        EXPECT_EQ(window.windowTitle(), "Processing Records");
        EXPECT_EQ(window.TextLine()->text(), "Copying Script");
        EXPECT_EQ(window.PercentLine()->text(), "0% Completed");
        for (const auto& step : steps) {
            window.Tell(step.done, step.total);
            EXPECT_EQ(window.PercentLine()->text(), step.shown) << step.done << "/" << step.total;
        }
        EXPECT_FALSE(window.CancelRequested());
        // The scheduler's tick must not run inside the work.
        bool ticked = false;
        QTimer tick;
        tick.setSingleShot(true);
        tick.setInterval(0);
        QObject::connect(&tick, &QTimer::timeout, [&ticked] { ticked = true; });
        tick.start();
        window.Tell(1, 3);
        EXPECT_FALSE(ticked);
        QCoreApplication::processEvents();
        EXPECT_TRUE(ticked);
    }

    // Esc and the close button ask as Cancel does; the window stays until
    // the work has stopped.
    for (int way = 0; way < 3; ++way) {
        ProcessProgressWindow asked(texts);
        asked.show();
        if (way == 0)
            asked.CancelButton()->click();
        else if (way == 1)
            static_cast<QDialog&>(asked).reject();
        else
            asked.close();
        EXPECT_TRUE(asked.CancelRequested()) << way;
        EXPECT_TRUE(asked.isVisible()) << way;
    }

    QtProgressService service;
    auto tracker = service.Open(texts);
    ProcessProgressWindow* shown = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        shown = shown ? shown : qobject_cast<ProcessProgressWindow*>(top);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_TRUE(shown->isModal());
    EXPECT_TRUE(tracker->Tell(1, 2));
    shown->CancelButton()->click();
    EXPECT_FALSE(tracker->Tell(2, 2));
    EXPECT_TRUE(tracker->Cancelled());
    tracker.reset();
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<ProcessProgressWindow*>(top), nullptr) << "the window outlives its tracker";
}

} // namespace
} // namespace vl
