#pragma once

#include "platform/Clock.h"

#include <chrono>
#include <optional>

namespace tarvolin {

// How often a caption that changes for every piece of a split (Frame3's) is
// repainted: at most once in interval. A change comes to the screen at
// once when the last repaint is an interval old; otherwise the repaint is
// made up when the interval is over. A caption painted for each of
// thousands of small pieces would cost more than the pieces themselves, and
// no eye follows faster than the screen. Plain C++: each window keeps one,
// tells it the time on Clock, and schedules the repaints it puts off with
// its own timer.
class RepaintThrottle
{
public:
    using Clock = tarvolin::Clock;
    static constexpr std::chrono::milliseconds interval{20};

    // Whether a change at now is to be painted now.
    bool paintNow(Clock::time_point now) const;

    // How long after now a change that is not to be painted now is due.
    std::chrono::milliseconds wait(Clock::time_point now) const;

    // The caption was repainted at now.
    void painted(Clock::time_point now) { m_lastPaint = now; }

private:
    std::optional<Clock::time_point> m_lastPaint;
};

} // namespace tarvolin
