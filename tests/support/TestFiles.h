#pragma once

// Scratch folders and file helpers shared by the tests. Paths are UTF-8
// text, as the program's own services take them, on every platform.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace testsupport {

namespace fs = std::filesystem;

fs::path fromUtf8(const std::string& utf8);
std::string toUtf8(const fs::path& path);

// A folder in memory where the system has one (Linux's /dev/shm), where
// flushing to the device costs nothing; the temporary folder elsewhere.
fs::path memoryFolder();

// A fresh folder under the system's temporary folder (or under base),
// removed with everything in it.
class TempDir
{
public:
    explicit TempDir(const fs::path& base = fs::temp_directory_path());
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const fs::path& path() const { return m_path; }
    // The folder's path with a trailing separator, as the output folder field holds it.
    std::string folder() const;
    std::string operator/(const std::string& name) const;

private:
    fs::path m_path;
};

std::string randomBytes(std::size_t size, std::uint32_t seed = 1);
void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);

// Names of the entries of a folder, sorted.
std::vector<std::string> listFolder(const fs::path& folder);

// How many file descriptors the process holds open (-1 where it cannot tell).
int openDescriptorCount();

} // namespace testsupport
