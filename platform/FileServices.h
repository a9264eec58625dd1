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
    static constexpr std::int32_t maxLength = INT32_MAX;

    // The file's length in bytes. Fails when the file does not exist, cannot
    // be reached, is a folder, or holds more than maxLength bytes.
    static std::int32_t fileLength(const std::string& path);

    // The true length, without the 32-bit limit; -1 when it cannot be read.
    static std::int64_t fullLength(const std::string& path);
};

} // namespace tarvolin
