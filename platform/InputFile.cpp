#include "InputFile.h"

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

namespace {

[[noreturn]] void throwShortRead(const std::string& path)
{
    throw Failure("文件“" + path + "”读取不完整：文件在分割过程中变短了");
}

} // namespace

#ifdef _WIN32

InputFile::InputFile(const std::string& path)
{
    HANDLE handle = CreateFileW(widePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw Failure(
            SystemErrorText::describe("无法打开文件", path, SystemErrorText::lastError()));
    adopt(handle, path);
}

void InputFile::read(char* buffer, std::size_t count)
{
    while (count > 0) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min(count, largestTransfer));
        if (!ReadFile(m_handle, buffer, want, &got, nullptr))
            throw Failure(
                SystemErrorText::describe("无法读取文件", m_path, SystemErrorText::lastError()));
        if (got == 0)
            throwShortRead(m_path);
        buffer += got;
        count -= got;
    }
}

#else

InputFile::InputFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw Failure(SystemErrorText::describe("无法打开文件", path, errno));
    adopt(fd, path);
#ifdef POSIX_FADV_SEQUENTIAL
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
}

void InputFile::read(char* buffer, std::size_t count)
{
    while (count > 0) {
        const ssize_t got = ::read(m_fd, buffer, std::min(count, largestTransfer));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw Failure(SystemErrorText::describe("无法读取文件", m_path, errno));
        }
        if (got == 0)
            throwShortRead(m_path);
        buffer += got;
        count -= static_cast<std::size_t>(got);
    }
}

#endif

} // namespace tarvolin
