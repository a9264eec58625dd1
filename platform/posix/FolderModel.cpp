#include "platform/FolderModel.h"

#include "platform/PathName.h"

#include <dirent.h>
#include <sys/stat.h>

namespace tarvolin {

std::vector<std::string> FolderModel::detail::names(const std::string& folder, Kind kind)
{
    std::vector<std::string> names;
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr)
        return names;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name.starts_with('.'))
            continue;
        // The entry's own kind, or what a link leads to; dangling links go.
        struct stat info;
        if (::stat(PathName::join(folder, name).c_str(), &info) != 0)
            continue;
        if (kind == Kind::Files ? S_ISREG(info.st_mode) : S_ISDIR(info.st_mode))
            names.push_back(name);
    }
    ::closedir(listing);
    return names;
}

} // namespace tarvolin
