#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tarvolin {

// What the folder list shows, whatever toolkit draws it: the chain of
// folders from a drive's root down to the open folder, then the open
// folder's subfolders (platform/FolderModel lists them).
namespace FolderList {

// A line's measures, in pixels at 96 dots per inch: each level's indent,
// the folder glyph's size, and the room before and after the glyph.
inline constexpr int indentStep = 8;
inline constexpr int glyphSize = 16;
inline constexpr int glyphMargin = 2;
inline constexpr int glyphGap = 3;

// One line of the folder list.
struct ListEntry
{
    std::string path;     // the folder's full native path
    std::string readable; // its name to show; the whole root for the root
    int level;            // 0 for the root, one more a folder deeper
    bool open;            // the root, the folders on the way down and the open one
};

// The folder list with folder open: root (a drive's root, ending in a
// separator), each folder on the way down to folder, then folder's
// subfolders, one level deeper. folder is root or lies below it. On
// Windows the root shows its drive letter in lower case ("c:\").
std::vector<ListEntry> folderList(const std::string& root, const std::string& folder);

// The index in folderList's entries of the open folder.
std::size_t openIndex(const std::vector<ListEntry>& list);

} // namespace FolderList

} // namespace tarvolin
