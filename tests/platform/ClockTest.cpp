#include "platform/Clock.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

namespace {

using tarvolin::Clock;
using namespace std::chrono_literals;

TEST(Clock, IsTheSteadyClockUnlessATestInstallsItsOwn)
{
    {
        testsupport::TestClock clock;
        const Clock::time_point start = Clock::now();
        EXPECT_EQ(Clock::now(), start) << "a test clock stands still";
        clock.advance(70ms);
        EXPECT_EQ(Clock::now() - start, 70ms);
    }
    const auto before = std::chrono::steady_clock::now();
    const Clock::time_point now = Clock::now();
    EXPECT_GE(now, before);
    EXPECT_LE(now, std::chrono::steady_clock::now());
}

} // namespace
