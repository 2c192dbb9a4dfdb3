#include "platform/widgets/SecondBeat.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

// The beat comes just past the turn of each wall-clock second, whenever it
// is asked for, and its timer runs once someone listens.
TEST(SecondBeat, ComesJustPastTheTurnOfTheSecond)
{
    const struct {
        int64_t now;
        int wait;
    } cases[] = {{1'700'000'000'000, 1005}, {1'700'000'000'004, 1001}, {1'700'000'000'600, 405},
                 {1'700'000'000'999, 6}};
    for (const auto& c : cases)
        EXPECT_EQ(MillisecondsToNextBeat(c.now), c.wait) << c.now;

    QObject receiver;
    QObject::connect(&SecondBeat::Instance(), &SecondBeat::Beat, &receiver, [] {});
    EXPECT_TRUE(SecondBeat::Instance().Running());
}

} // namespace
} // namespace vl
