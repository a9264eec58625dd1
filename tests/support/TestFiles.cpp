#include "tests/support/TestFiles.h"

#include <random>

#ifndef _WIN32
#include <dirent.h>
#endif

namespace testsupport {

fs::path fromUtf8(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string toUtf8(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path memoryFolder()
{
    std::error_code ignored;
    return fs::is_directory("/dev/shm", ignored) ? fs::path("/dev/shm") : fs::temp_directory_path();
}

TempDir::TempDir(const fs::path& base)
{
    std::random_device seed;
    std::mt19937_64 generator(seed());
    do {
        m_path = base / ("tarvolin-test-" + std::to_string(generator() % 1000000000));
    } while (!fs::create_directory(m_path));
}

TempDir::~TempDir()
{
    std::error_code ignored;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

std::string TempDir::folder() const
{
    return toUtf8(m_path) + char(fs::path::preferred_separator);
}

std::string TempDir::operator/(const std::string& name) const
{
    return toUtf8(m_path / fromUtf8(name));
}

std::string randomBytes(std::size_t size, std::uint32_t seed)
{
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(generator() & 0xFF);
    return bytes;
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(fromUtf8(path), std::ios::binary | std::ios::trunc) << bytes;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(fromUtf8(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> listFolder(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(toUtf8(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

int openDescriptorCount()
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
