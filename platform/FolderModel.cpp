#include "platform/FolderModel.h"

#include "platform/FileServices.h"
#include "platform/NameText.h"

#include <algorithm>

#ifdef _WIN32
#include "platform/windows/LongPath.h"
#include "platform/windows/WideText.h"
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace tarvolin {

namespace {

enum class Kind { Files, Folders };

#ifdef _WIN32

std::vector<std::string> names(const std::string& folder, Kind kind)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileExW(
        LongPath::of(FolderModel::join(folder, "*")).c_str(), FindExInfoBasic, &found,
        kind == Kind::Folders ? FindExSearchLimitToDirectories : FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    const DWORD hidden =
        kind == Kind::Files ? FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM : FILE_ATTRIBUTE_HIDDEN;
    do {
        const std::wstring name = found.cFileName;
        const DWORD attributes = found.dwFileAttributes;
        const bool isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (name == L"." || name == L".." || (attributes & hidden) != 0 ||
            isFolder != (kind == Kind::Folders))
            continue;
        names.push_back(utf8Text(name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

#else

std::vector<std::string> names(const std::string& folder, Kind kind)
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
        if (::stat(FolderModel::join(folder, name).c_str(), &info) != 0)
            continue;
        if (kind == Kind::Files ? S_ISREG(info.st_mode) : S_ISDIR(info.st_mode))
            names.push_back(name);
    }
    ::closedir(listing);
    return names;
}

#endif

char folded(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// By readable name, letters of either case alike, then by native name.
bool inOrder(const FolderModel::Entry& a, const FolderModel::Entry& b)
{
    const auto order = std::lexicographical_compare_three_way(
        a.readable.begin(), a.readable.end(), b.readable.begin(), b.readable.end(),
        [](char x, char y) {
            return static_cast<unsigned char>(folded(x)) <=> static_cast<unsigned char>(folded(y));
        });
    return order != 0 ? order < 0 : a.native < b.native;
}

std::vector<FolderModel::Entry> entries(const std::string& folder, Kind kind)
{
    std::vector<FolderModel::Entry> entries;
    for (std::string& name : names(folder, kind)) {
        std::string readable = NameText::readable(name);
        entries.push_back({std::move(name), std::move(readable)});
    }
    std::sort(entries.begin(), entries.end(), inOrder);
    return entries;
}

} // namespace

std::vector<FolderModel::Entry> FolderModel::files(const std::string& folder)
{
    return entries(folder, Kind::Files);
}

std::vector<FolderModel::Entry> FolderModel::subfolders(const std::string& folder)
{
    return entries(folder, Kind::Folders);
}

std::string FolderModel::join(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == FileServices::separator)
        return folder + name;
    return folder + FileServices::separator + name;
}

} // namespace tarvolin
