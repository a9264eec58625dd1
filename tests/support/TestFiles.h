#pragma once

// Scratch folders and file helpers shared by the tests. Paths are UTF-8
// text, as the program's own services take them, on every platform.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <dirent.h>
#endif

namespace testsupport {

namespace fs = std::filesystem;

inline fs::path fromUtf8(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string toUtf8(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A folder in memory where the system has one (Linux's /dev/shm), where
// flushing to the device costs nothing; the temporary folder elsewhere.
inline fs::path memoryFolder()
{
    std::error_code ignored;
    return fs::is_directory("/dev/shm", ignored) ? fs::path("/dev/shm") : fs::temp_directory_path();
}

// A fresh folder under the system's temporary folder (or under base),
// removed with everything in it.
class TempDir
{
public:
    explicit TempDir(const fs::path& base = fs::temp_directory_path())
    {
        std::random_device seed;
        std::mt19937_64 generator(seed());
        do {
            m_path = base / ("tarvolin-test-" + std::to_string(generator() % 1000000000));
        } while (!fs::create_directory(m_path));
    }
    ~TempDir()
    {
        std::error_code ignored;
        fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const fs::path& path() const { return m_path; }
    // The folder's path with a trailing separator, as the output folder field holds it.
    std::string folder() const { return toUtf8(m_path) + char(fs::path::preferred_separator); }
    std::string operator/(const std::string& name) const { return toUtf8(m_path / fromUtf8(name)); }

private:
    fs::path m_path;
};

inline std::string randomBytes(std::size_t size, std::uint32_t seed = 1)
{
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(generator() & 0xFF);
    return bytes;
}

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(fromUtf8(path), std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(fromUtf8(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Names of the entries of a folder, sorted.
inline std::vector<std::string> listFolder(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(toUtf8(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

// How many file descriptors the process holds open (-1 where it cannot tell).
inline int openDescriptorCount()
{
    int count = -1;
#ifndef _WIN32
    if (DIR* fds = ::opendir("/proc/self/fd")) {
        count = 0;
        while (::readdir(fds) != nullptr)
            ++count;
        ::closedir(fds);
    }
#endif
    return count;
}

} // namespace testsupport
