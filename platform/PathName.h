#pragma once

#include <string>

namespace tarvolin {

// The parts of a path as the platform writes it: the folders and the bare
// name behind the last separator. Paths are UTF-8 text.
namespace PathName {

#ifdef _WIN32
inline constexpr char separator = '\\';
#else
inline constexpr char separator = '/';
#endif

// True for every character that separates the parts of a path: "/" too
// on Windows, whose file system takes both.
constexpr bool isSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

// The part of path behind its last separator; a path without one is its
// own bare name.
std::string bareName(const std::string& path);

// The folder that holds path as written: path up to its bare name, the last
// separator kept so that a drive's root stays a root; "." where path names
// no folder.
std::string folderOf(const std::string& path);

// name inside folder: one separator between them, none added where folder
// already ends in one (a root). An empty name gives the folder with its
// separator.
std::string join(const std::string& folder, const std::string& name);

} // namespace PathName

} // namespace tarvolin
