#include "platform/OutputFile.h"

#include "platform/Failure.h"
#include "platform/LongPath.h"
#include "platform/SystemErrorText.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/SystemCalls.h"
#include <cerrno>
#include <fcntl.h>
#endif

namespace tarvolin {

namespace {

[[noreturn]] void throwNotRegular(const std::string& path)
{
    throw Failure("“" + path + "”不是普通文件（是文件夹、管道或设备），不能写入分割后的文件");
}

[[noreturn]] void throwIsSource(const std::string& path)
{
    throw Failure("“" + path + "”就是被分割文件本身，不能用分割后的文件覆盖它");
}

// Opens path for writing without emptying it and without waiting (a pipe
// with no reader would block the window for good).
OpenFile::Handle openForWriting(const std::string& path)
{
#ifdef _WIN32
    HANDLE handle = CreateFileW(LongPath::of(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw Failure(
            SystemErrorText::describe("无法创建文件", path, SystemErrorText::lastError()));
#else
    const int handle = SystemCalls::current().open(
        path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (handle < 0) {
        if (errno == ENXIO) // a pipe that nobody reads
            throwNotRegular(path);
        throw Failure(SystemErrorText::describe("无法创建文件", path, errno));
    }
#endif
    return handle;
}

#ifdef _WIN32
// A file that another program holds open without write sharing fails to
// open as shared; this tells whether that file is the source all the same.
bool namesFile(const std::string& path, const OpenFile::Identity& file)
{
    const std::optional<OpenFile::Status> status = OpenFile::statusAt(path);
    return status && status->identity == file;
}

OpenFile::Handle openChecked(const std::string& path, const std::optional<OpenFile::Identity>& keep)
{
    try {
        return openForWriting(path);
    } catch (const Failure&) {
        if (keep && GetLastError() == ERROR_SHARING_VIOLATION && namesFile(path, *keep))
            throwIsSource(path);
        throw;
    }
}
#else
OpenFile::Handle openChecked(const std::string& path, const std::optional<OpenFile::Identity>&)
{
    return openForWriting(path);
}
#endif

} // namespace

OutputFile::OutputFile(const std::string& path, std::optional<Identity> keep)
    : OpenFile(openChecked(path, keep), path)
{
    const std::optional<Status> status = statusOf(handle());
    if (!status)
        throw Failure(
            SystemErrorText::describe("无法读取文件信息", path, SystemErrorText::lastError()));
    if (!status->regular)
        throwNotRegular(path);
    if (keep && status->identity == *keep)
        throwIsSource(path);
#ifdef _WIN32
    // The position is at the start: the end moves there.
    if (status->length > 0 && !SetEndOfFile(handle()))
        throw Failure(
            SystemErrorText::describe("无法清空文件", path, SystemErrorText::lastError()));
#else
    // Opened without waiting; from here on writes wait as usual.
    if (::fcntl(handle(), F_SETFL, 0) != 0 ||
        (status->length > 0 && SystemCalls::current().truncate(handle(), 0) != 0))
        throw Failure(SystemErrorText::describe("无法清空文件", path, errno));
#endif
}

void OutputFile::write(const char* data, std::size_t count)
{
    transfer(Direction::out, const_cast<char*>(data), count);
}

namespace {

// What a failed flush or write-back says: the file is not safe on the device.
[[noreturn]] void throwNotSaved(const std::string& path, int code)
{
    throw Failure(SystemErrorText::describe("无法把文件存到磁盘上", path, code));
}

} // namespace

#ifdef _WIN32

void OutputFile::startWriteBack(std::int64_t, std::int64_t)
{
    // Windows starts writing by itself; awaitWriteBack flushes in steps.
}

void OutputFile::awaitWriteBack(std::int64_t offset, std::int64_t length)
{
    // A flush writes every byte so far: once for each lag's worth of bytes.
    constexpr std::int64_t together = std::int64_t{16} << 20;
    if (offset + length - m_flushedUpTo < together)
        return;
    flush();
    m_flushedUpTo = offset + length;
}

void OutputFile::flush()
{
    if (!FlushFileBuffers(handle()))
        throwNotSaved(path(), SystemErrorText::lastError());
}

void OutputFile::dropCache()
{
    // The read-back opens the file past the cache instead.
}

void OutputFile::empty()
{
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(handle(), start, nullptr, FILE_BEGIN) || !SetEndOfFile(handle()))
        throw Failure(
            SystemErrorText::describe("无法清空文件", path(), SystemErrorText::lastError()));
    flush();
}

#else

namespace {

// A file system that cannot start or wait for the writing of a range (or
// sync a file at all) writes it on its own, and close() or the next flush
// reports what failed.
bool unsupported(int error)
{
    return error == EINVAL || error == ESPIPE || error == ENOSYS || error == EOPNOTSUPP;
}

void syncRange(const OutputFile& file, std::int64_t offset, std::int64_t length, unsigned flags)
{
    while (SystemCalls::current().syncRange(file.handle(), offset, length, flags) != 0) {
        if (errno == EINTR)
            continue;
        if (!unsupported(errno))
            throwNotSaved(file.path(), errno);
        return;
    }
}

} // namespace

void OutputFile::startWriteBack(std::int64_t offset, std::int64_t length)
{
    syncRange(*this, offset, length, SYNC_FILE_RANGE_WRITE);
}

void OutputFile::awaitWriteBack(std::int64_t offset, std::int64_t length)
{
    syncRange(*this, offset, length,
              SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
}

void OutputFile::flush()
{
    while (SystemCalls::current().dataSync(handle()) != 0) {
        if (errno == EINTR)
            continue;
        if (!unsupported(errno))
            throwNotSaved(path(), errno);
        return;
    }
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

#endif

} // namespace tarvolin
