#include "platform/DiskSpace.h"

#include "platform/windows/LongPath.h"

#include <windows.h>

namespace tarvolin {

std::optional<DiskSpace::Room> DiskSpace::roomAt(const std::string& folder)
{
    const std::wstring path = LongPath::of(folder);
    ULARGE_INTEGER available;
    if (!GetDiskFreeSpaceExW(path.c_str(), &available, nullptr, nullptr))
        return std::nullopt;
    // The cluster, in which files take room, from the folder's volume.
    std::int64_t cluster = 4096;
    wchar_t volume[MAX_PATH + 1];
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (GetVolumePathNameW(path.c_str(), volume, MAX_PATH + 1) &&
        GetDiskFreeSpaceW(volume, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
        cluster = std::int64_t{sectorsPerCluster} * bytesPerSector;
    // Files are copied through the program here: no two of them share a block.
    return Room{static_cast<std::int64_t>(available.QuadPart), cluster, false};
}

} // namespace tarvolin
