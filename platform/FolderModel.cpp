#include "platform/FolderModel.h"

#include "platform/FileServices.h"
#include "platform/NameText.h"

#include <algorithm>

#ifdef _WIN32
#include "platform/NativePath.h"
#include "platform/WideText.h"
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
        widePath(FolderModel::join(folder, "*")).c_str(), FindExInfoBasic, &found,
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

std::vector<FolderModel::ListEntry> FolderModel::folderList(const std::string& root,
                                                            const std::string& folder)
{
    std::vector<ListEntry> list;
    std::string shownRoot = NameText::readable(root);
#ifdef _WIN32
    if (shownRoot.size() >= 2 && shownRoot[1] == ':')
        shownRoot[0] = folded(shownRoot[0]);
#endif
    list.push_back({root, shownRoot, 0, true});
    // Each folder on the way down, all open.
    const std::string below = folder.size() > root.size() ? folder.substr(root.size()) : "";
    std::string path = root;
    for (size_t start = 0; start < below.size();) {
        const size_t end = std::min(below.find(FileServices::separator, start), below.size());
        if (end > start) {
            const std::string name = below.substr(start, end - start);
            path = join(path, name);
            list.push_back({path, NameText::readable(name), static_cast<int>(list.size()), true});
        }
        start = end + 1;
    }
    const int level = static_cast<int>(list.size());
    for (Entry& entry : subfolders(folder))
        list.push_back({join(folder, entry.native), std::move(entry.readable), level, false});
    return list;
}

size_t FolderModel::openIndex(const std::vector<ListEntry>& list)
{
    size_t open = 0;
    while (open + 1 < list.size() && list[open + 1].open)
        ++open;
    return open;
}

std::string FolderModel::join(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == FileServices::separator)
        return folder + name;
    return folder + FileServices::separator + name;
}

} // namespace tarvolin
