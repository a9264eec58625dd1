#include "platform/OutputFile.h"

#include "platform/Failure.h"
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

} // namespace tarvolin
