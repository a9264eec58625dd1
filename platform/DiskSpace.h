#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarvolin {

// The room left on the disk that holds a folder.
namespace DiskSpace {

struct Room
{
    std::int64_t available = 0; // bytes this user may still write
    std::int64_t blockSize = 0; // the unit in which files take room
    // Files on this disk can share blocks (Btrfs, XFS with reflink): a copy
    // between two of them may take no room at all.
    bool sharesBlocks = false;
};

// The room on folder's disk; none when the system cannot tell.
std::optional<Room> roomAt(const std::string& folder);

} // namespace DiskSpace

} // namespace tarvolin
