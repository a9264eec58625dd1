#include "platform/FolderListing.h"

#include "platform/FileServices.h"

#ifdef _WIN32
#include "platform/LongPath.h"
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace tarvolin {

std::string FolderListing::join(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == FileServices::separator)
        return folder + name;
    return folder + FileServices::separator + name;
}

#ifdef _WIN32

std::vector<std::string> FolderListing::names(const std::string& folder, Kind kind)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(LongPath::of(join(folder, "*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = found.cFileName;
        const DWORD attributes = found.dwFileAttributes;
        if (name == L"." || name == L".." ||
            (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0)
            continue;
        const bool isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder != (kind == Kind::Folders))
            continue;
        const int n = WideCharToMultiByte(CP_UTF8, 0, name.data(), static_cast<int>(name.size()),
                                          nullptr, 0, nullptr, nullptr);
        std::string utf8(static_cast<size_t>(n), '\0');
        WideCharToMultiByte(CP_UTF8, 0, name.data(), static_cast<int>(name.size()), utf8.data(), n,
                            nullptr, nullptr);
        names.push_back(utf8);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

#else

std::vector<std::string> FolderListing::names(const std::string& folder, Kind kind)
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
        if (::stat(join(folder, name).c_str(), &info) != 0)
            continue;
        if (kind == Kind::Files ? S_ISREG(info.st_mode) : S_ISDIR(info.st_mode))
            names.push_back(name);
    }
    ::closedir(listing);
    return names;
}

#endif

} // namespace tarvolin
