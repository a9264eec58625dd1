#include "platform/PathName.h"

namespace tarvolin {

std::string PathName::bareName(const std::string& path)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
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
