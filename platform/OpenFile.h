#pragma once

#include <compare>
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
    // Where a file lives: its volume (device) and its number on it. Two
    // paths name the same file exactly when their identities are equal.
    struct Identity
    {
        std::uint64_t volume = 0;
        std::uint64_t index = 0;
        auto operator<=>(const Identity&) const = default;
    };

#ifdef _WIN32
    using Handle = void*;
#else
    using Handle = int;
#endif

    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    bool isOpen() const;
    const std::string& path() const
    {
        return m_path;
    }
    Handle handle() const
    {
        return m_handle;
    }

    // This file's identity; a failure when the system cannot tell it.
    Identity identity() const;

    // What the system tells of the file behind an open handle.
    struct Status
    {
        Identity identity;
        bool regular = false; // a file of bytes: no folder, pipe or device
        std::int64_t length = 0;
        std::int64_t allocated = 0; // the room the file takes on its disk
        bool folder = false;
        // When its bytes last changed, in the system's own ticks (Linux:
        // nanoseconds; Windows: 100 nanoseconds): a file written in place
        // tells it by this time alone.
        std::int64_t modified = 0;
    };

    // The status of the file behind any open handle; none when the system
    // cannot tell it.
    static std::optional<Status> statusOf(Handle handle);

    // The status of the file that path names (a link followed); none when
    // there is no such file or it cannot be reached, and then
    // SystemErrorText::lastError() tells why.
    static std::optional<Status> statusAt(const std::string& path);

    // Completes and releases the file; a failure (for example a write that
    // the system delayed and could not finish) throws a Failure.
    void close();

    // The failure of a file that ended before the bytes it was to give.
    [[noreturn]] void throwShortRead() const;

protected:
    enum class Direction { in, out };

    // Shorter than the system's limit on one call's transfer, and small
    // enough that each copy the system makes stays in the processor's caches.
    static constexpr std::size_t largestTransfer = std::size_t{128} << 10;

    // Takes over a handle that the platform's open call returned.
    OpenFile(Handle handle, std::string path);
    ~OpenFile();

    // Moves exactly count bytes between the file's position and buffer, in
    // steps of largestTransfer, resuming after an interruption. Reading
    // fewer bytes than asked (the file ended early) and writing none (the
    // disk is full) are failures, as is any error the system reports.
    void transfer(Direction direction, char* buffer, std::size_t count);

    // The failure of a transfer that the system refused with the error code.
    [[noreturn]] void throwTransferFailure(Direction direction, int code) const;

private:
#ifdef _WIN32
    static constexpr Handle closed = nullptr;
#else
    static constexpr Handle closed = -1;
#endif
    Handle m_handle;
    std::string m_path;
};

} // namespace tarvolin
