#pragma once

#include "platform/Clock.h"

#include <chrono>
#include <optional>

namespace tarvolin {

// How often a caption that changes for every piece of a split (Frame3's) is
// repainted: at most once in interval. A change comes to the screen at
// once when the last repaint is an interval old; otherwise the repaint is
// made up when the interval is over, once for all the changes until then.
// A caption painted for each of thousands of small pieces would cost more
// than the pieces themselves, and no eye follows faster than the screen.
// Plain C++: each window keeps one, tells it the time on Clock, paints when
// it says so and sets its own timer for a repaint put off.
class RepaintThrottle
{
public:
    using Clock = tarvolin::Clock;
    static constexpr std::chrono::milliseconds interval{20};

    // What the window is to do about a change of the caption.
    struct Repaint
    {
        enum class Kind {
            now,     // paint now (a timer set earlier too may stop), then call painted
            later,   // set a timer for after; when it fires, paint and call painted
            nothing, // a repaint put off earlier is still to come and shows this
        };
        Kind kind;
        std::chrono::milliseconds after{0};

        bool operator==(const Repaint&) const = default;
    };

    // The caption changed at now.
    Repaint changed(Clock::time_point now);

    // The caption was repainted at now, at the throttle's word or not; a
    // repaint put off is then no longer due.
    void painted(Clock::time_point now);

    // Whether a repaint put off is still to come.
    bool due() const { return m_due; }

private:
    std::optional<Clock::time_point> m_lastPaint;
    bool m_due = false;
};

} // namespace tarvolin
