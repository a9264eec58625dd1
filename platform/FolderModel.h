#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvolin {

// What the folder list and the file list show, whatever toolkit draws them:
// a folder's entries by their native names and the names the user reads,
// in one order.
//
// Native names are, on Linux, the bytes the file system holds, whatever
// their encoding; on Windows UTF-8. "." and ".." never show, nor do hidden
// entries: on Linux a name with a leading "."; on Windows the file list
// leaves out files marked hidden or system, the folder list folders marked
// hidden (a folder marked system alone is one with its own look, such as
// Fonts or Downloads, and shows).
namespace FolderModel {

struct Entry
{
    std::string native;   // for file operations
    std::string readable; // to show: a name in GBK reads as Chinese

    bool operator==(const Entry&) const = default;
};

// The files of folder (regular files, and links to them), in order:
// by their readable names with letters of either case alike, then by
// their native names. None when the folder cannot be read.
std::vector<Entry> files(const std::string& folder);

// The subfolders of folder (and links to folders), in the same order.
std::vector<Entry> subfolders(const std::string& folder);

// The folder's last-write time, in the system's own units: on most file
// systems it changes whenever an entry comes, goes or is renamed (not on
// the root of a FAT drive). None when the folder cannot be reached.
std::optional<std::int64_t> changeTime(const std::string& folder);

namespace detail {

enum class Kind { Files, Folders };

// The native names of folder's entries of kind that show, in the order the
// system lists them (platform/posix, platform/windows); none when the
// folder cannot be read.
std::vector<std::string> names(const std::string& folder, Kind kind);

} // namespace detail

} // namespace FolderModel

} // namespace tarvolin
