#pragma once

// Removing what a test made beyond the reach of plain Windows paths: folders
// deeper than the path limit, names ending in a blank or a dot. The standard
// library's removal goes through the plain paths and cannot reach them.

#include <windows.h>

#include <string>

namespace testsupport {

// Removes folder ("\\?\C:\...") and everything in it.
inline void removeLongTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeLongTree(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

// Removes its folder and everything in it when it goes, even after a failed
// assertion.
struct LongTree
{
    std::wstring folder; // "\\?\C:\..."
    ~LongTree() { removeLongTree(folder); }
};

} // namespace testsupport
