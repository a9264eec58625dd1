#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarvolin {

// File services shared by the split run and the selection lists. Paths are
// UTF-8 text in the platform's own form; every failure throws a Failure
// whose description names the file.
namespace FileServices {

// The length in bytes of the file at path (a link followed), files of any
// size alike; none when there is no such file, it cannot be reached or it
// is a folder.
std::optional<std::int64_t> fullLength(const std::string& path);

// True when path names a folder (a link to one followed).
bool isFolder(const std::string& path);

// The failure of a file operation on a folder.
[[noreturn]] void throwIsFolder(const std::string& path);

// True when two names name the same entry of one folder as Windows sees
// it: the same bytes, or names that differ only in the case of their
// letters.
bool sameName(const std::string& a, const std::string& b);

// The process's current folder, where the windows' lists start; empty when
// the system cannot tell it (it was removed).
std::string currentFolder();

// Waits until the device holds the folder's entries, so that the names of
// the files just made in it survive a power cut (on Linux; Windows' file
// systems keep their names by themselves).
void flushFolder(const std::string& folder);

// Waits until the device holds every byte of the file at path, written and
// closed before; a failure names the file.
void flushFile(const std::string& path);

} // namespace FileServices

} // namespace tarvolin
