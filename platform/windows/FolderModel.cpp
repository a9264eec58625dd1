#include "platform/FolderModel.h"
#include "platform/PathName.h"

#include "platform/windows/LongPath.h"
#include "platform/windows/WideText.h"

#include <windows.h>

namespace tarvolin {

std::vector<std::string> FolderModel::detail::names(const std::string& folder, Kind kind)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileExW(
        LongPath::of(PathName::join(folder, "*")).c_str(), FindExInfoBasic, &found,
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

} // namespace tarvolin
