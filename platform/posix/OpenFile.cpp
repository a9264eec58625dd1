#include "platform/OpenFile.h"

#include "platform/Failure.h"
#include "platform/SystemErrorText.h"
#include "platform/posix/SystemCalls.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace tarvolin {

namespace {

OpenFile::Status statusFrom(const struct stat& info)
{
    return OpenFile::Status{OpenFile::Identity{static_cast<std::uint64_t>(info.st_dev),
                                               static_cast<std::uint64_t>(info.st_ino)},
                            S_ISREG(info.st_mode),
                            static_cast<std::int64_t>(info.st_size),
                            static_cast<std::int64_t>(info.st_blocks) * 512,
                            S_ISDIR(info.st_mode),
                            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 +
                                info.st_mtim.tv_nsec};
}

} // namespace

OpenFile::~OpenFile()
{
    if (isOpen())
        SystemCalls::current().close(m_handle);
}

void OpenFile::close()
{
    const int fd = m_handle;
    m_handle = closed;
    // After close() fails the descriptor is released all the same (POSIX
    // leaves EINTR unspecified, Linux always releases it), so it is never
    // closed twice. An interrupted close has still written everything.
    if (SystemCalls::current().close(fd) != 0 && errno != EINTR)
        throw Failure(SystemErrorText::describe("无法关闭文件", m_path, errno));
}

std::optional<OpenFile::Status> OpenFile::statusOf(Handle handle)
{
    struct stat info;
    if (SystemCalls::current().fileStatus(handle, &info) != 0)
        return std::nullopt;
    return statusFrom(info);
}

std::optional<OpenFile::Status> OpenFile::statusAt(const std::string& path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return statusFrom(info);
}

void OpenFile::transfer(Direction direction, char* buffer, std::size_t count)
{
    const bool reading = direction == Direction::in;
    SystemCalls& calls = SystemCalls::current();
    while (count > 0) {
        const std::size_t step = std::min(count, largestTransfer);
        const ssize_t done =
            reading ? calls.read(m_handle, buffer, step) : calls.write(m_handle, buffer, step);
        if (done < 0) {
            if (errno == EINTR)
                continue;
            throwTransferFailure(direction, errno);
        }
        if (done == 0) {
            if (reading)
                throwShortRead();
            throwTransferFailure(direction, ENOSPC);
        }
        buffer += done;
        count -= static_cast<std::size_t>(done);
    }
}

} // namespace tarvolin
