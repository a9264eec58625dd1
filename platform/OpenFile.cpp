#include "platform/OpenFile.h"

#include "platform/Failure.h"
#include "platform/SystemErrorText.h"
#include "platform/windows/LongPath.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/posix/SystemCalls.h"
#include <cerrno>
#include <sys/stat.h>
#endif

namespace tarvolin {

namespace {

const char* verbOf(bool reading)
{
    return reading ? "无法读取文件" : "无法写入文件";
}

} // namespace

OpenFile::OpenFile(Handle handle, std::string path) : m_handle(handle), m_path(std::move(path)) {}

bool OpenFile::isOpen() const
{
    return m_handle != closed;
}

void OpenFile::throwShortRead() const
{
    throw Failure("文件“" + m_path + "”读取不完整：文件在分割过程中变短了");
}

#ifdef _WIN32

OpenFile::~OpenFile()
{
    if (isOpen())
        CloseHandle(m_handle);
}

void OpenFile::close()
{
    HANDLE handle = m_handle;
    m_handle = closed;
    if (!CloseHandle(handle))
        throw Failure(
            SystemErrorText::describe("无法关闭文件", m_path, SystemErrorText::lastError()));
}

std::optional<OpenFile::Status> OpenFile::statusOf(Handle handle)
{
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle, &info))
        return std::nullopt;
    return Status{Identity{info.dwVolumeSerialNumber,
                           (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow},
                  GetFileType(handle) == FILE_TYPE_DISK &&
                      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0,
                  (static_cast<std::int64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow};
}

std::optional<OpenFile::Status> OpenFile::statusAt(const std::string& path)
{
    // Opened for no access at all: a file that another program holds open
    // (the running split's source) is looked at all the same.
    HANDLE file = CreateFileW(LongPath::of(path).c_str(), 0,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const std::optional<Status> status = statusOf(file);
    CloseHandle(file);
    return status;
}

void OpenFile::transfer(Direction direction, char* buffer, std::size_t count)
{
    const bool reading = direction == Direction::in;
    while (count > 0) {
        DWORD done = 0;
        const DWORD step = static_cast<DWORD>(std::min(count, largestTransfer));
        const BOOL ok = reading ? ReadFile(m_handle, buffer, step, &done, nullptr)
                                : WriteFile(m_handle, buffer, step, &done, nullptr);
        if (!ok)
            throw Failure(
                SystemErrorText::describe(verbOf(reading), m_path, SystemErrorText::lastError()));
        if (done == 0) {
            if (reading)
                throwShortRead();
            throw Failure(SystemErrorText::describe(verbOf(reading), m_path, ERROR_DISK_FULL));
        }
        buffer += done;
        count -= done;
    }
}

#else

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

namespace {

OpenFile::Status statusFrom(const struct stat& info)
{
    return OpenFile::Status{OpenFile::Identity{static_cast<std::uint64_t>(info.st_dev),
                                               static_cast<std::uint64_t>(info.st_ino)},
                            S_ISREG(info.st_mode), static_cast<std::int64_t>(info.st_size)};
}

} // namespace

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
            throw Failure(SystemErrorText::describe(verbOf(reading), m_path, errno));
        }
        if (done == 0) {
            if (reading)
                throwShortRead();
            throw Failure(SystemErrorText::describe(verbOf(reading), m_path, ENOSPC));
        }
        buffer += done;
        count -= static_cast<std::size_t>(done);
    }
}

#endif

OpenFile::Identity OpenFile::identity() const
{
    const std::optional<Status> known = statusOf(m_handle);
    if (!known)
        throw Failure(
            SystemErrorText::describe("无法读取文件信息", m_path, SystemErrorText::lastError()));
    return known->identity;
}

} // namespace tarvolin
