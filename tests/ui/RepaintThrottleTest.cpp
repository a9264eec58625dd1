#include "ui/RepaintThrottle.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using tarvolin::RepaintThrottle;
using Kind = RepaintThrottle::Repaint::Kind;
using namespace std::chrono_literals;

TEST(RepaintThrottleTest, PaintsAtOnceAnIntervalAfterTheLastPaintAndPutsOffOneRepaintBefore)
{
    RepaintThrottle throttle;
    const RepaintThrottle::Clock::time_point start{1h};
    // At each time, in order: a change and what the throttle says of it, or
    // (timer) the repaint put off, made when its timer fires. The window
    // paints where the throttle says now.
    constexpr std::optional<RepaintThrottle::Repaint> timer;
    struct Step
    {
        std::chrono::microseconds at;
        std::optional<RepaintThrottle::Repaint> says;
    };
    const Step steps[] = {
        {0us, {{Kind::now}}},         // the first change shows at once
        {5ms, {{Kind::later, 15ms}}}, // put off until an interval has passed
        {10ms, {{Kind::nothing}}},    // the repaint put off will show it
        {20ms, timer},
        {21ms, {{Kind::later, 19ms}}}, // an interval after the timer's paint
        {40ms, timer},
        {59500us, {{Kind::later, 1ms}}}, // rounded up, never a timer that fires too soon
        {60ms, timer},
        {85ms, {{Kind::now}}}, // an interval after the last paint
        {90ms, {{Kind::later, 15ms}}},
        {105ms, {{Kind::now}}}, // its timer late: painted all the same
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.at.count());
        if (!step.says) {
            ASSERT_TRUE(throttle.due());
            throttle.painted(start + step.at);
            EXPECT_FALSE(throttle.due());
            continue;
        }
        EXPECT_EQ(throttle.changed(start + step.at), *step.says);
        if (step.says->kind == Kind::now)
            throttle.painted(start + step.at);
        EXPECT_EQ(throttle.due(), step.says->kind != Kind::now);
    }
    EXPECT_EQ(RepaintThrottle::interval, 20ms);
}

TEST(RepaintThrottleTest, APaintOfItsOwnEndsTheRepaintPutOff)
{
    // The window repaints before a notice: the caption is then on the screen,
    // and the next change is judged afresh rather than left to a timer
    // that was stopped.
    RepaintThrottle throttle;
    const RepaintThrottle::Clock::time_point start{1h};
    throttle.painted(start);
    ASSERT_EQ(throttle.changed(start + 1ms).kind, Kind::later);
    throttle.painted(start + 2ms);
    EXPECT_FALSE(throttle.due());
    EXPECT_EQ(throttle.changed(start + 30ms).kind, Kind::now);
}

} // namespace
