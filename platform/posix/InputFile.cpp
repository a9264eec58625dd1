#include "platform/InputFile.h"

#include "platform/Failure.h"
#include "platform/OutputFile.h"
#include "platform/SystemErrorText.h"
#include "platform/posix/SystemCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tarvolin {

OpenFile::Handle InputFile::openForReading(const std::string& path, Caching)
{
    // Opened without waiting: a pipe with no writer would block the window
    // for good. From here on reads wait as usual.
    const int handle =
        SystemCalls::current().open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0);
    if (handle < 0)
        throw Failure(SystemErrorText::describe("无法打开文件", path, errno));
    if (::fcntl(handle, F_SETFL, 0) != 0) {
        const int error = errno;
        ::close(handle);
        throw Failure(SystemErrorText::describe("无法打开文件", path, error));
    }
    // Read strictly in order: the system reads ahead twice as far.
    ::posix_fadvise(handle, 0, 0, POSIX_FADV_SEQUENTIAL);
    return handle;
}

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
            // EBADF also answers an output opened for appending; a
            // descriptor that is really wrong fails the plain read or write
            // that follows, with its own clear message.
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
    // A read back from the device keeps the device busy readAhead beyond
    // this step: the first read asks for all of it, each later one for the
    // step that enters it, so the system reads in large requests meanwhile.
    if (m_caching == Caching::bypass) {
        constexpr off_t readAhead = off_t{8} << 20;
        const off_t end = static_cast<off_t>(offset) + static_cast<off_t>(count);
        if (offset == 0)
            ::posix_fadvise(handle(), end, readAhead, POSIX_FADV_WILLNEED);
        else
            ::posix_fadvise(handle(), end + readAhead - static_cast<off_t>(count),
                            static_cast<off_t>(count), POSIX_FADV_WILLNEED);
    }
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

} // namespace tarvolin
