#include "OutputFile.h"

#include "Failure.h"
#include "NativePath.h"
#include "SystemErrorText.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tarvolin {

#ifdef _WIN32

OutputFile::OutputFile(const std::string& path)
{
    HANDLE handle = CreateFileW(widePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw Failure(
            SystemErrorText::describe("无法创建文件", path, SystemErrorText::lastError()));
    adopt(handle, path);
}

void OutputFile::write(const char* data, std::size_t count)
{
    while (count > 0) {
        DWORD done = 0;
        const DWORD want = static_cast<DWORD>(std::min(count, largestTransfer));
        if (!WriteFile(m_handle, data, want, &done, nullptr))
            throw Failure(
                SystemErrorText::describe("无法写入文件", m_path, SystemErrorText::lastError()));
        if (done == 0)
            throw Failure(SystemErrorText::describe("无法写入文件", m_path, ERROR_DISK_FULL));
        data += done;
        count -= done;
    }
}

#else

OutputFile::OutputFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        throw Failure(SystemErrorText::describe("无法创建文件", path, errno));
    adopt(fd, path);
}

void OutputFile::write(const char* data, std::size_t count)
{
    while (count > 0) {
        const ssize_t done = ::write(m_fd, data, std::min(count, largestTransfer));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            throw Failure(SystemErrorText::describe("无法写入文件", m_path, errno));
        }
        if (done == 0)
            throw Failure(SystemErrorText::describe("无法写入文件", m_path, ENOSPC));
        data += done;
        count -= static_cast<std::size_t>(done);
    }
}

#endif

} // namespace tarvolin
