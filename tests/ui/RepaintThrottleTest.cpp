#include "ui/RepaintThrottle.h"

#include <gtest/gtest.h>

namespace {

using tarvolin::RepaintThrottle;
using namespace std::chrono_literals;

TEST(RepaintThrottleTest, PaintsAtOnceOnlyWhenTheLastPaintIsAnIntervalOld)
{
    RepaintThrottle throttle;
    const RepaintThrottle::Clock::time_point start{1h};
    EXPECT_TRUE(throttle.paintNow(start)) << "the first change shows at once";
    EXPECT_EQ(throttle.wait(start), 0ms);

    throttle.painted(start);
    struct Case
    {
        std::chrono::microseconds after;
        bool now;
        std::chrono::milliseconds wait;
    };
    const Case cases[] = {
        {0us, false, 20ms}, {5ms, false, 15ms}, {19500us, false, 1ms}, // rounded up
        {20ms, true, 0ms},  {25ms, true, 0ms},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.after.count());
        EXPECT_EQ(throttle.paintNow(start + c.after), c.now);
        EXPECT_EQ(throttle.wait(start + c.after), c.wait);
    }
    EXPECT_EQ(RepaintThrottle::interval, 20ms);
}

} // namespace
