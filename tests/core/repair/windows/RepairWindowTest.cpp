// The "Repair Files" window: what it shows, tagging, and an operation that
// runs on a worker thread while the window keeps handling events.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QPushButton>
#include <QTableWidget>

#include "core/dictionary/Dictionary.h"
#include "core/repair/windows/RepairWindow.h"
#include "tests/support/ScriptedPrompt.h"

namespace vl {
namespace {

class RepairWindowTest : public ::testing::Test {
protected:
    void SetUp() override { DictionaryStart(); }
    void TearDown() override { DictionaryEnd(); }
};

TEST_F(RepairWindowTest, ShowsTheTablesTagsThemAndReportsOnTheTaggedOnes)
{
    ScheduleRecord task;
    ASSERT_TRUE(OpenTable(Tables().Schedule));
    ASSERT_TRUE(Tables().Schedule.Add(task));
    Tables().Schedule.Close();

    RepairWindow window;
    window.show();
    EXPECT_EQ(window.windowTitle(), "Repair Files");
    ASSERT_EQ(window.List()->rowCount(), 14);
    EXPECT_EQ(window.List()->item(0, 1)->text(), "Categories");
    EXPECT_EQ(window.List()->item(0, 2)->text(), "?");
    EXPECT_EQ(window.Button(RepairOperation::Pack)->toolTip(), "Pack the tagged data files");

    window.TagAllButton()->click();
    EXPECT_EQ(window.List()->item(13, 0)->checkState(), Qt::Checked);
    window.UntagAllButton()->click();
    int schedule = -1;
    for (int i = 0; i < 14; ++i)
        schedule = window.Rows()[i].label == "Schedule" ? i : schedule;
    window.List()->item(schedule, 0)->setCheckState(Qt::Checked); // the user ticks one row
    EXPECT_EQ(window.Rows()[schedule].tag, "1");

    test::ScriptedPrompt prompt; // Info asks nothing
    QEventLoop loop;
    QObject::connect(&window, &RepairWindow::Finished, &loop, &QEventLoop::quit);
    window.Button(RepairOperation::Info)->click();
    EXPECT_TRUE(window.Running());
    EXPECT_TRUE(window.Progress()->isVisible());
    EXPECT_EQ(window.Progress()->CurrentFile(), "Schedule");
    EXPECT_EQ(window.Progress()->FilesLeft(), "0");
    EXPECT_FALSE(window.CloseButton()->isEnabled()) << "the window stays while a table is in hand";
    window.grab().save("repair-window-running.png");
    window.Progress()->grab().save("repair-progress.png");
    loop.exec();

    EXPECT_FALSE(window.Running());
    EXPECT_FALSE(window.Progress()->isVisible());
    EXPECT_TRUE(window.CloseButton()->isEnabled());
    EXPECT_EQ(window.List()->item(schedule, 2)->text(), "1");
    EXPECT_EQ(window.List()->item(schedule, 3)->text(), "VLDB\\!s");
    EXPECT_EQ(window.List()->item(0, 2)->text(), "?") << "untagged rows are left alone";
    window.grab().save("repair-window.png");
}

} // namespace
} // namespace vl
