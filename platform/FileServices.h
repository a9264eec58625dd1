#pragma once

#include <cstdint>
#include <string>

namespace tarvolin {

// File services shared by the split run and the selection lists. Paths are
// UTF-8 text in the platform's own form; every failure throws a Failure
// whose description names the file.
class FileServices
{
public:
#ifdef _WIN32
    static constexpr char separator = '\\';
#else
    static constexpr char separator = '/';
#endif

    // True for every character that separates the parts of a path: "/" too
    // on Windows, whose file system takes both.
    static constexpr bool isSeparator(char c)
    {
#ifdef _WIN32
        return c == '\\' || c == '/';
#else
        return c == '/';
#endif
    }

    // The file's length in bytes, files of any size alike. Fails when the
    // file does not exist, cannot be reached or is a folder.
    static std::int64_t fileLength(const std::string& path);

    // The same length, or -1 when it cannot be read.
    static std::int64_t fullLength(const std::string& path);

    // True when two names name the same entry of one folder: the same bytes;
    // on Windows also names that differ only in the case of their letters.
    static bool sameName(const std::string& a, const std::string& b);

    // Waits until the device holds the folder's entries, so that the names
    // of the files just made in it survive a power cut (on Linux; Windows'
    // file systems keep their names by themselves).
    static void flushFolder(const std::string& folder);
};

} // namespace tarvolin
