#include "platform/InputFile.h"

#include "platform/Failure.h"
#include "platform/LongPath.h"
#include "platform/OutputFile.h"
#include "platform/SystemErrorText.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/SystemCalls.h"
#include <cerrno>
#include <fcntl.h>
#endif

namespace tarvolin {

namespace {

OpenFile::Handle openForReading(const std::string& path, InputFile::Caching caching)
{
#ifdef _WIN32
    // Shared as Linux shares it: a file that another program holds open, even
    // for writing or deleting, is read all the same. The run refuses to
    // write over the source (its identity) and stops at a source that
    // shrinks (a short read).
    HANDLE handle = CreateFileW(
        LongPath::of(path).c_str(), GENERIC_READ,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        caching == InputFile::Caching::bypass ? FILE_FLAG_NO_BUFFERING : FILE_FLAG_SEQUENTIAL_SCAN,
        nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw Failure(
            SystemErrorText::describe("无法打开文件", path, SystemErrorText::lastError()));
#else
    const int handle = SystemCalls::current().open(path.c_str(), O_RDONLY | O_CLOEXEC, 0);
    if (handle < 0)
        throw Failure(SystemErrorText::describe("无法打开文件", path, errno));
    // Read strictly in order: the system reads ahead twice as far.
    (void)caching;
    ::posix_fadvise(handle, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    return handle;
}

} // namespace

InputFile::InputFile(const std::string& path, Caching caching)
    : OpenFile(openForReading(path, caching), path), m_caching(caching)
{
}

void InputFile::read(char* buffer, std::size_t count)
{
    transfer(Direction::in, buffer, count);
}

#ifdef _WIN32

std::size_t InputFile::copyTo(OutputFile&, std::size_t)
{
    return 0;
}

std::size_t InputFile::readAt(std::int64_t offset, char* buffer, std::size_t count)
{
    // Past the cache, reads come in whole sectors.
    const std::size_t asked =
        m_caching == Caching::bypass ? (count + alignment - 1) / alignment * alignment : count;
    std::size_t got = 0;
    while (got < count) {
        OVERLAPPED at{};
        const std::uint64_t position = static_cast<std::uint64_t>(offset) + got;
        at.Offset = static_cast<DWORD>(position);
        at.OffsetHigh = static_cast<DWORD>(position >> 32);
        DWORD done = 0;
        const DWORD step = static_cast<DWORD>(std::min(asked - got, largestTransfer));
        if (!ReadFile(handle(), buffer + got, step, &done, &at)) {
            if (GetLastError() == ERROR_HANDLE_EOF)
                break;
            throw Failure(
                SystemErrorText::describe("无法读取文件", path(), SystemErrorText::lastError()));
        }
        if (done == 0)
            break;
        got += done;
    }
    return std::min(got, count);
}

#else

std::size_t InputFile::copyTo(OutputFile& target, std::size_t count)
{
    std::size_t copied = 0;
    while (copied < count) {
        const ssize_t done =
            SystemCalls::current().copyFileRange(handle(), target.handle(), count - copied);
        if (done < 0) {
            switch (errno) {
            case EINTR:
                continue;
            // Not between these files, or not on this system: the caller copies.
            case EXDEV:
            case ENOSYS:
            case EINVAL:
            case EOPNOTSUPP:
            case EBADF:
                return copied;
            default:
                throw Failure(SystemErrorText::describe("无法写入文件", target.path(), errno));
            }
        }
        if (done == 0)
            throwShortRead();
        copied += static_cast<std::size_t>(done);
    }
    return copied;
}

std::size_t InputFile::readAt(std::int64_t offset, char* buffer, std::size_t count)
{
    // A read back from the device has the next step read meanwhile.
    if (m_caching == Caching::bypass)
        ::posix_fadvise(handle(), static_cast<off_t>(offset) + static_cast<off_t>(count),
                        static_cast<off_t>(count), POSIX_FADV_WILLNEED);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t done = SystemCalls::current().readAt(
            handle(), buffer + got, count - got,
            static_cast<off_t>(offset + static_cast<std::int64_t>(got)));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            throw Failure(SystemErrorText::describe("无法读取文件", path(), errno));
        }
        if (done == 0)
            break;
        got += static_cast<std::size_t>(done);
    }
    return got;
}

#endif

} // namespace tarvolin
