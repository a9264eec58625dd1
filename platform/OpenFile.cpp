#include "OpenFile.h"

#include "Failure.h"
#include "NativePath.h"
#include "SystemErrorText.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvolin {

OpenFile::~OpenFile()
{
    if (!isOpen())
        return;
#ifdef _WIN32
    CloseHandle(m_handle);
#else
    ::close(m_fd);
#endif
}

#ifdef _WIN32

bool OpenFile::isOpen() const
{
    return m_handle != nullptr;
}

void OpenFile::adopt(void* handle, const std::string& path)
{
    m_handle = handle;
    m_path = path;
}

void OpenFile::close()
{
    HANDLE handle = m_handle;
    m_handle = nullptr;
    if (!CloseHandle(handle))
        throw Failure(
            SystemErrorText::describe("无法关闭文件", m_path, SystemErrorText::lastError()));
}

bool OpenFile::isSameFileAs(const std::string& path) const
{
    const auto idOf = [](HANDLE handle) -> std::optional<FileId> {
        BY_HANDLE_FILE_INFORMATION info;
        if (!GetFileInformationByHandle(handle, &info))
            return std::nullopt;
        return FileId{info.dwVolumeSerialNumber,
                      (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
    };
    if (!m_id)
        m_id = idOf(m_handle);
    HANDLE other = CreateFileW(widePath(path).c_str(), 0,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (other == INVALID_HANDLE_VALUE)
        return false;
    const std::optional<FileId> theirs = idOf(other);
    CloseHandle(other);
    return m_id && theirs && *m_id == *theirs;
}

#else

bool OpenFile::isOpen() const
{
    return m_fd >= 0;
}

void OpenFile::adopt(int fd, const std::string& path)
{
    m_fd = fd;
    m_path = path;
}

void OpenFile::close()
{
    const int fd = m_fd;
    m_fd = -1;
    // After close() fails the descriptor is released all the same (POSIX
    // leaves EINTR unspecified, Linux always releases it), so it is never
    // closed twice.
    if (::close(fd) != 0 && errno != EINTR)
        throw Failure(SystemErrorText::describe("无法关闭文件", m_path, errno));
}

bool OpenFile::isSameFileAs(const std::string& path) const
{
    struct stat info;
    if (!m_id && ::fstat(m_fd, &info) == 0)
        m_id = FileId{static_cast<std::uint64_t>(info.st_dev),
                      static_cast<std::uint64_t>(info.st_ino)};
    if (!m_id || ::stat(path.c_str(), &info) != 0)
        return false;
    return *m_id ==
           FileId{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

#endif

} // namespace tarvolin
