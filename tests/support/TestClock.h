#pragma once

// A clock that stands still until the test moves it on, in place of the
// steady clock for the lifetime of the object: the split's pumps and the
// caption's repaints follow the time that the test decides has passed.

#include "platform/Clock.h"

namespace testsupport {

class TestClock : public tarvolin::Clock
{
public:
    TestClock() { install(this); }
    ~TestClock() override { install(nullptr); }
    TestClock(const TestClock&) = delete;
    TestClock& operator=(const TestClock&) = delete;

    void advance(duration by) { m_now += by; }

protected:
    time_point read() const override { return m_now; }

private:
    time_point m_now{std::chrono::hours(1)};
};

} // namespace testsupport
