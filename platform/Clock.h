#pragma once

#include <chrono>

namespace tarvolin {

// The time that the program paces itself by (how often a split pumps the
// window's events, how often a caption is repainted): the system's steady
// clock, unless a test puts a clock of its own in its place (install) to
// decide how much time passes.
class Clock
{
public:
    using duration = std::chrono::steady_clock::duration;
    using time_point = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;

    // The time now on the clock in use.
    static time_point now() { return current().read(); }

    // Puts clock in use until it is uninstalled again (nullptr).
    static void install(Clock* clock);

protected:
    virtual time_point read() const { return std::chrono::steady_clock::now(); }

private:
    static const Clock& current();
};

} // namespace tarvolin
