#include "platform/PathName.h"

#include "platform/Failure.h"

#include <cstdint>

namespace tarvolin {

std::string PathName::bareName(const std::string& path)
{
    // The longest path Windows takes; every caller scans at most that far.
    constexpr std::size_t longest = INT16_MAX;
    std::size_t characters = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if ((static_cast<unsigned char>(path[i]) & 0xC0) != 0x80 && ++characters > longest)
            throw Failure("路径最长只能有 32767 个字符");
        if (isSeparator(path[i]))
            start = i + 1;
    }
    return path.substr(start);
}

std::string PathName::folderOf(const std::string& path)
{
    const std::string folder = path.substr(0, path.size() - bareName(path).size());
    return folder.empty() ? "." : folder;
}

std::string PathName::join(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == separator)
        return folder + name;
    return folder + separator + name;
}

} // namespace tarvolin
