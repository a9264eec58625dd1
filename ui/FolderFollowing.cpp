#include "ui/FolderFollowing.h"

#include <algorithm>

namespace tarvolin {

void FolderFollowing::listed(Stamp stamp, Clock::time_point start, Clock::time_point end)
{
    m_listed = m_seen = stamp;
    m_listedAt = end;
    m_cost = end - start;
}

bool FolderFollowing::due(Stamp stamp, Clock::time_point now)
{
    if (stamp != m_seen) {
        m_seen = stamp;
        m_changed = now;
    }
    if (m_seen != m_listed)
        return now - m_changed >= settle;
    return now - m_listedAt >= std::max<Clock::duration>(recheck, costShare * m_cost);
}

} // namespace tarvolin
