#include "ui/RepaintThrottle.h"

namespace tarvolin {

RepaintThrottle::Repaint RepaintThrottle::changed(Clock::time_point now)
{
    // A timer runs late when the window is busy; the interval decides, not
    // the timer.
    if (!m_lastPaint || now - *m_lastPaint >= interval)
        return {Repaint::Kind::now};
    if (m_due)
        return {Repaint::Kind::nothing};
    m_due = true;
    return {Repaint::Kind::later,
            std::chrono::ceil<std::chrono::milliseconds>(*m_lastPaint + interval - now)};
}

void RepaintThrottle::painted(Clock::time_point now)
{
    m_lastPaint = now;
    m_due = false;
}

} // namespace tarvolin
