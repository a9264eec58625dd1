#include "platform/OutputFile.h"

#include "platform/Failure.h"
#include "platform/SystemErrorText.h"
#include "platform/posix/SystemCalls.h"

#include <cerrno>
#include <fcntl.h>

namespace tarvolin {

OpenFile::Handle OutputFile::openChecked(const std::string& path, const std::optional<Identity>&,
                                         const Check&)
{
    const int handle = SystemCalls::current().open(
        path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (handle < 0) {
        if (errno == ENXIO) // a pipe that nobody reads
            throwNotRegular(path);
        throw Failure(SystemErrorText::describe("无法创建文件", path, errno));
    }
    return handle;
}

void OutputFile::startWriting(std::int64_t length)
{
    // Opened without waiting; from here on writes wait as usual.
    if (::fcntl(handle(), F_SETFL, 0) != 0 ||
        (length > 0 && SystemCalls::current().truncate(handle(), 0) != 0))
        throw Failure(SystemErrorText::describe("无法清空文件", path(), errno));
}

namespace {

// Retries an interrupted call: 0 once it has done its work, or where the
// file system does not do such work (it writes on its own, and close() or
// the next flush reports what failed); the error where the device failed.
template <typename Call> int retried(Call call)
{
    while (call() != 0) {
        if (errno != EINTR)
            return SystemCalls::unsupported(errno) ? 0 : errno;
    }
    return 0;
}

} // namespace

void OutputFile::startWriteBack(std::int64_t offset, std::int64_t length)
{
    if (const int error = retried([&] {
            return SystemCalls::current().syncRange(handle(), offset, length,
                                                    SYNC_FILE_RANGE_WRITE);
        }))
        throwNotSaved(path(), error);
}

void OutputFile::awaitWriteBack(std::int64_t offset, std::int64_t length)
{
    if (const int error = retried([&] {
            return SystemCalls::current().syncRange(
                handle(), offset, length,
                SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
        }))
        throwNotSaved(path(), error);
}

void OutputFile::flush()
{
    if (const int error = retried([&] { return SystemCalls::current().dataSync(handle()); }))
        throwNotSaved(path(), error);
}

bool OutputFile::writeOut()
{
    int error = 0;
    while (SystemCalls::current().syncRange(handle(), 0, 0,
                                            SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE |
                                                SYNC_FILE_RANGE_WAIT_AFTER) != 0) {
        if ((error = errno) != EINTR)
            break;
        error = 0;
    }
    if (error != 0 && !SystemCalls::unsupported(error))
        throwNotSaved(path(), error);
    return error == 0;
}

void OutputFile::dropCache()
{
    // The bytes are on the device (flushed): only clean pages go.
    ::posix_fadvise(handle(), 0, 0, POSIX_FADV_DONTNEED);
}

void OutputFile::empty()
{
    if (SystemCalls::current().truncate(handle(), 0) != 0)
        throw Failure(SystemErrorText::describe("无法清空文件", path(), errno));
    flush();
}

} // namespace tarvolin
