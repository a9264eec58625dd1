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
    HANDLE other = CreateFileW(widePath(path).c_str(), 0,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (other == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION mine, theirs;
    const bool same =
        GetFileInformationByHandle(m_handle, &mine) && GetFileInformationByHandle(other, &theirs) &&
        mine.dwVolumeSerialNumber == theirs.dwVolumeSerialNumber &&
        mine.nFileIndexHigh == theirs.nFileIndexHigh && mine.nFileIndexLow == theirs.nFileIndexLow;
    CloseHandle(other);
    return same;
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
    struct stat mine, theirs;
    if (::fstat(m_fd, &mine) != 0 || ::stat(path.c_str(), &theirs) != 0)
        return false;
    return mine.st_dev == theirs.st_dev && mine.st_ino == theirs.st_ino;
}

#endif

} // namespace tarvolin
