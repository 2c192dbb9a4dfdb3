// The rules shared by every message display: captions, the snoozed task, the
// to-do item and the repeating alarm.

#include "message/AlarmRepeat.h"
#include "message/MessageActions.h"
#include "platform/runtime/Clock.h"
#include "platform/sound/RecordingSoundPlayer.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(MessageCaption, AdvanceWarningsKeepTheirTitleOthersAreNamedMessages)
{
    const struct {
        const char* title;
        const char* caption;
    } cases[] = {
        {"", "Message"},
        {"   ", "Message"},
        {"Dentist  ", "Message:  Dentist"},
        {"Advanced Warning: Rent", "Advanced Warning: Rent"},
        {"Advanced Warning", "Message:  Advanced Warning"},
        {"advanced warning: rent", "Message:  advanced warning: rent"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageCaption(c.title), c.caption) << c.title;
}

TEST(SnoozedTask, IsDueTheChosenMinutesLaterCarriedPastMidnight)
{
    const Date today = MakeDate(3, 14, 2025);
    const struct {
        ClockTime now;
        int32_t minutes;
        Date date;
        ClockTime time;
    } cases[] = {
        {MakeClock(23, 55), 10, today + 1, MakeClock(0, 5)},
        {MakeClock(9, 0), 0, today, MakeClock(9, 10)}, // unset: ten minutes
        {MakeClock(9, 0), 1440, today + 1, MakeClock(9, 0)},
    };
    const ShownMessage message{QString(60, 't'), "Call back", "ring.wav"};
    for (const auto& c : cases) {
        const ScheduleRecord task = SnoozedTask(message, c.minutes, today, c.now);
        EXPECT_EQ(task.Date, c.date) << c.minutes;
        EXPECT_EQ(task.Time, c.time) << c.minutes;
    }
    const ScheduleRecord task = SnoozedTask(message, 10, today, MakeClock(8, 0));
    EXPECT_EQ(task.TaskType, "Display Message");
    EXPECT_EQ(task.Category, "Snooze");
    EXPECT_EQ(task.ScheduleType, "Once");
    EXPECT_EQ(task.Description, QString(40, 't'));
    EXPECT_EQ(task.SkipIfMissed, 1);
    EXPECT_EQ(task.Alarm, 1);
    EXPECT_EQ(task.AlarmFile, "ring.wav");
    EXPECT_EQ(task.Message, "Call back");
    EXPECT_EQ(SnoozedTask({"Quiet", "", ""}, 10, today, MakeClock(8, 0)).Alarm, 0);

    const TodoRecord item = ToDoItem(message);
    EXPECT_EQ(item.ToDo, QString(60, 't'));
    EXPECT_EQ(item.Category, "General");
    EXPECT_EQ(item.Priority, 5);
    EXPECT_EQ(item.Done, 0);
    EXPECT_EQ(item.Notes, "Call back");
}

class AlarmRepeatTest : public ::testing::Test {
protected:
    // Ticks once a second for the given seconds; the seconds after arming at
    // which the sound played.
    std::vector<int> PlayedDuring(int seconds)
    {
        std::vector<int> played;
        for (int second = 1; second <= seconds; ++second) {
            clock.Advance(kClockPerSecond);
            if (alarm.Tick())
                played.push_back(second);
        }
        return played;
    }

    SettableClock clock{MakeDate(5, 1, 2025), MakeClock(12, 0)};
    ClockOverride useClock{clock};
    RecordingSoundPlayer player;
    SoundOverride useSound{player};
    AlarmRepeat alarm;
};

TEST_F(AlarmRepeatTest, RepeatsEveryIntervalAndStopsAfterTheMaximum)
{
    alarm.Arm("ring.wav", 30, 2);
    EXPECT_EQ(PlayedDuring(600), (std::vector<int>{31, 62, 93}));
    EXPECT_FALSE(alarm.Repeating());
    EXPECT_EQ(player.requests, (QStringList{"ring.wav", "ring.wav", "ring.wav"}));

    // Without a maximum it goes on, across midnight.
    clock.Set(MakeDate(5, 1, 2025), MakeClock(23, 59, 40));
    alarm.Arm("ring.wav", 30, 0);
    EXPECT_EQ(PlayedDuring(100), (std::vector<int>{31, 62, 93}));
    EXPECT_TRUE(alarm.Repeating());
}

TEST_F(AlarmRepeatTest, NoIntervalOrNoSoundPlaysNothing)
{
    alarm.Arm("ring.wav", 0, 2);
    EXPECT_TRUE(PlayedDuring(300).empty());
    alarm.Arm("   ", 30, 2);
    EXPECT_TRUE(PlayedDuring(300).empty());
    EXPECT_TRUE(player.requests.isEmpty());
}

} // namespace
} // namespace vl
