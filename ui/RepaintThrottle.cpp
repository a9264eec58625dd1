#include "ui/RepaintThrottle.h"

#include <algorithm>

namespace tarvolin {

bool RepaintThrottle::paintNow(Clock::time_point now) const
{
    return !m_lastPaint || now - *m_lastPaint >= interval;
}

std::chrono::milliseconds RepaintThrottle::wait(Clock::time_point now) const
{
    if (paintNow(now))
        return std::chrono::milliseconds(0);
    return std::max(std::chrono::ceil<std::chrono::milliseconds>(*m_lastPaint + interval - now),
                    std::chrono::milliseconds(0));
}

} // namespace tarvolin
