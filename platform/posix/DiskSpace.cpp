#include "platform/DiskSpace.h"

#include "platform/posix/SystemCalls.h"

#include <sys/statvfs.h>

namespace tarvolin {

namespace {

// File systems whose files can share blocks, as their magic numbers say.
bool canShareBlocks(const std::string& folder)
{
    switch (static_cast<unsigned long>(SystemCalls::current().fileSystemType(folder.c_str()))) {
    case 0x9123683EUL: // Btrfs
    case 0x58465342UL: // XFS (reflink where it was made with it)
    case 0xCA451A4EUL: // bcachefs
    case 0x2FC12FC1UL: // ZFS (block cloning)
        return true;
    default:
        return false;
    }
}

} // namespace

std::optional<DiskSpace::Room> DiskSpace::roomAt(const std::string& folder)
{
    struct statvfs info;
    if (::statvfs(folder.c_str(), &info) != 0)
        return std::nullopt;
    const auto block = static_cast<std::int64_t>(info.f_frsize != 0 ? info.f_frsize : info.f_bsize);
    return Room{static_cast<std::int64_t>(info.f_bavail) * block, block, canShareBlocks(folder)};
}

} // namespace tarvolin
