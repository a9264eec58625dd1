#include "platform/InputFile.h"

#include "platform/Failure.h"
#include "platform/OutputFile.h"
#include "platform/SystemErrorText.h"
#include "platform/windows/LongPath.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/posix/SystemCalls.h"
#include <cerrno>
#include <fcntl.h>
#endif

namespace tarvolin {

namespace {

OpenFile::Handle openForReading(const std::string& path)
{
#ifdef _WIN32
    // Shared as Linux shares it: a file that another program holds open, even
    // for writing or deleting, is read all the same. The run refuses to
    // write over the source (its identity) and stops at a source that
    // shrinks (a short read).
    HANDLE handle = CreateFileW(LongPath::of(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw Failure(
            SystemErrorText::describe("无法打开文件", path, SystemErrorText::lastError()));
#else
    const int handle = SystemCalls::current().open(path.c_str(), O_RDONLY | O_CLOEXEC, 0);
    if (handle < 0)
        throw Failure(SystemErrorText::describe("无法打开文件", path, errno));
#ifdef POSIX_FADV_SEQUENTIAL
    ::posix_fadvise(handle, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
#endif
    return handle;
}

} // namespace

InputFile::InputFile(const std::string& path) : OpenFile(openForReading(path), path) {}

void InputFile::read(char* buffer, std::size_t count)
{
    transfer(Direction::in, buffer, count);
}

#ifdef _WIN32

std::size_t InputFile::copyTo(OutputFile&, std::size_t)
{
    return 0;
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

#endif

} // namespace tarvolin
