#include "platform/InputFile.h"

#include "platform/Failure.h"
#include "platform/OutputFile.h"
#include "platform/SystemErrorText.h"
#include "platform/posix/SystemCalls.h"

#include <cerrno>
#include <fcntl.h>

namespace tarvolin {

OpenFile::Handle InputFile::openForReading(const std::string& path)
{
    const int handle = SystemCalls::current().open(path.c_str(), O_RDONLY | O_CLOEXEC, 0);
    if (handle < 0)
        throw Failure(SystemErrorText::describe("无法打开文件", path, errno));
#ifdef POSIX_FADV_SEQUENTIAL
    ::posix_fadvise(handle, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
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

} // namespace tarvolin
