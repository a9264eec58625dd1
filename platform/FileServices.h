#pragma once

#include <cstdint>
#include <string>

namespace tarvolin {

// File services shared by the split run and the selection lists. Paths are
// UTF-8 text in the platform's own form; every failure throws a Failure
// whose description names the file.
namespace FileServices {

// The file's length in bytes, files of any size alike. Fails when the
// file does not exist, cannot be reached or is a folder.
std::int64_t fileLength(const std::string& path);

// The failure of a file operation on a folder.
[[noreturn]] void throwIsFolder(const std::string& path);

// The same length, or -1 when it cannot be read.
std::int64_t fullLength(const std::string& path);

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

namespace detail {

// Length of the file at path, or the error code of the failed look-up.
struct Lookup
{
    std::int64_t length = -1;
    int error = 0;
    bool isFolder = false;
};

// The look-up in the system's own way (platform/posix, platform/windows).
Lookup lookUp(const std::string& path);

} // namespace detail

} // namespace FileServices

} // namespace tarvolin
