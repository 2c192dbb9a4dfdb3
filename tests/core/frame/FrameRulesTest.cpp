// The frame's rules without a window: timer, status zones, close requests,
// the exit question and the arrangement of windows.

#include "core/frame/FrameRules.h"
#include "core/frame/WindowArrangement.h"
#include "core/base/Globals.h"
#include "platform/runtime/Picture.h"
#include "tests/support/ScriptedPrompt.h"

#include <gmock/gmock.h>

namespace vl {
namespace {

TEST(FrameRulesTest, TimerOutsideOneToAHundredBecomesAHundred)
{
    EXPECT_EQ(ClampTimerInterval(0), 100);
    EXPECT_EQ(ClampTimerInterval(200), 100);
    EXPECT_EQ(ClampTimerInterval(-5), 100);
    EXPECT_EQ(ClampTimerInterval(101), 100);
    EXPECT_EQ(ClampTimerInterval(1), 1);
    EXPECT_EQ(ClampTimerInterval(25), 25);
    EXPECT_EQ(ClampTimerInterval(100), 100);
}

TEST(FrameRulesTest, DateZoneShowsWeekdayAndDateInD3WhateverTheUserPicture)
{
    GlobalDateFormat = QStringLiteral("d3");
    EXPECT_EQ(DateZoneText(MakeDate(1, 3, 1999)), "Sunday, JAN 03,1999");
    EXPECT_EQ(DateZoneText(MakeDate(1, 5, 1999)), "Tuesday, JAN 05,1999");
    GlobalDateFormat = QStringLiteral("d10");
    EXPECT_EQ(DateZoneText(MakeDate(1, 9, 1999)), "Saturday, JAN 09,1999");
    GlobalDateFormat = QStringLiteral("d3");
    EXPECT_EQ(ClockZoneText(17 * 360000 + 1), Picture::Format(17 * 360000 + 1, QStringLiteral("@t7")));
}

TEST(FrameRulesTest, CloseRequestIconizesOnlyWhenAskedAndNotConfirmed)
{
    EXPECT_EQ(DecideCloseRequest(true, false), CloseAction::Iconize);
    EXPECT_EQ(DecideCloseRequest(true, true), CloseAction::Close);
    EXPECT_EQ(DecideCloseRequest(false, false), CloseAction::Close);
}

TEST(FrameRulesTest, ExitAsksOnlyWhileMinimisingOnClose)
{
    test::ScriptedPrompt prompt;
    EXPECT_TRUE(ConfirmExit(false));
    EXPECT_TRUE(prompt.Questions().empty());

    prompt.AnswerButton("No").AnswerButton("Yes");
    EXPECT_FALSE(ConfirmExit(true));
    EXPECT_TRUE(ConfirmExit(true));
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions().at(0).caption, "Warning");
    EXPECT_EQ(prompt.Questions().at(0).text,
              "No tasks will execute while Velmora is not active.  Are you sure you want to close Velmora?");
}

TEST(WindowArrangementTest, TileFillsTheAreaInAGrid)
{
    const QRect area(0, 0, 1200, 900);
    EXPECT_THAT(TileWindows(1, area), ::testing::ElementsAre(area));
    EXPECT_THAT(TileWindows(2, area), ::testing::ElementsAre(QRect(0, 0, 600, 900), QRect(600, 0, 600, 900)));
    const QList<QRect> three = TileWindows(3, QRect(10, 20, 1200, 900));
    EXPECT_THAT(three, ::testing::ElementsAre(QRect(10, 20, 600, 450), QRect(610, 20, 600, 450),
                                              QRect(10, 470, 1200, 450)))
        << "the last row shares its width among the windows left";
    EXPECT_TRUE(TileWindows(0, area).isEmpty());
}

TEST(WindowArrangementTest, CascadeStepsDownAndStaysInside)
{
    const QRect area(0, 0, 1000, 800);
    const QList<QRect> places = CascadeWindows(3, area, 30);
    EXPECT_THAT(places, ::testing::ElementsAre(QRect(0, 0, 940, 740), QRect(30, 30, 940, 740),
                                               QRect(60, 60, 940, 740)));
    for (const QRect& place : CascadeWindows(40, area, 30))
        EXPECT_TRUE(area.contains(place)) << place.x() << "," << place.y();
}

} // namespace
} // namespace vl
