#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarvolin {

// One open file of the split run. Closing is explicit and checked on the
// path that completes; a file still open when its owner goes away (a
// failure ended the run) is closed quietly then, so no file stays open.
class OpenFile
{
public:
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    bool isOpen() const;
    const std::string& path() const { return m_path; }

    // Completes and releases the file; a failure (for example a write that
    // the system delayed and could not finish) throws a Failure.
    void close();

    // True when path names this very file (the same file, not merely the
    // same text: links and other spellings of the path count too).
    bool isSameFileAs(const std::string& path) const;

protected:
    // Where a file lives: its volume (device) and its number on it.
    struct FileId
    {
        std::uint64_t volume = 0;
        std::uint64_t index = 0;
        bool operator==(const FileId&) const = default;
    };

    // Shorter than the system's limit on one call's transfer, and small
    // enough that each copy the system makes stays in the processor's
    // caches: the whole piece still goes through the caller's buffer in one
    // read or write, made of these steps. (A gigabyte cut into pieces of
    // 1 MiB took 2.4 s with one call a piece, 1.0 s in these steps; larger
    // pieces gain too.)
    static constexpr std::size_t largestTransfer = std::size_t{128} << 10;

    OpenFile() = default;
    ~OpenFile();

    // Takes over a handle that the platform's open call returned.
#ifdef _WIN32
    void adopt(void* handle, const std::string& path);
    void* m_handle = nullptr;
#else
    void adopt(int fd, const std::string& path);
    int m_fd = -1;
#endif
    std::string m_path;

private:
    // This file's own place, read once when first compared.
    mutable std::optional<FileId> m_id;
};

} // namespace tarvolin
