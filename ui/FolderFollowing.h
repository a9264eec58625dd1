#pragma once

#include "platform/Clock.h"

#include <chrono>
#include <cstdint>
#include <optional>

namespace tarvolin {

// When a file list that follows its folder on disk reads the folder again,
// whatever toolkit draws it. Changes come in bursts (a split writes a piece
// at a time): the folder is read again once they have paused for settle.
// The Win32 list holds no handle on the folder (the user may still remove
// or rename it) and asks every tick instead: it looks at the folder's
// last-write time (FolderModel::changeTime), which changes when an entry
// comes or goes, and now and then compares a whole new listing with the
// one shown, for the file systems that keep no such time (the root of a
// FAT drive, a share that caches it). A large folder is listed as much less often as its
// listing takes longer. Plain C++: the list tells it the times on Clock.
class FolderFollowing
{
public:
    using Clock = tarvolin::Clock;
    // The folder's last-write time, or none while it cannot be reached.
    using Stamp = std::optional<std::int64_t>;

    static constexpr std::chrono::milliseconds settle{200};
    static constexpr std::chrono::milliseconds tick{250};
    // The listing is compared at most once in recheck, and it takes at
    // most one costShare-th of the time.
    static constexpr std::chrono::seconds recheck{1};
    static constexpr int costShare = 20;

    // The folder was listed from start to end, its stamp read just before.
    void listed(Stamp stamp, Clock::time_point start, Clock::time_point end);

    // Whether the folder is to be listed again at now, its stamp being stamp.
    bool due(Stamp stamp, Clock::time_point now);

private:
    Stamp m_listed;
    Stamp m_seen;
    Clock::time_point m_changed{};
    Clock::time_point m_listedAt{};
    Clock::duration m_cost{};
};

} // namespace tarvolin
