#include "platform/OpenFile.h"

#include "platform/Failure.h"
#include "platform/SystemErrorText.h"
#include "platform/windows/LongPath.h"

#include <algorithm>

#include <windows.h>

namespace tarvolin {

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
    const std::int64_t length =
        (static_cast<std::int64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    FILE_STANDARD_INFO standard;
    const std::int64_t allocated =
        GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard)
            ? standard.AllocationSize.QuadPart
            : length;
    return Status{
        Identity{info.dwVolumeSerialNumber,
                 (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow},
        GetFileType(handle) == FILE_TYPE_DISK &&
            (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0,
        length,
        allocated,
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
        static_cast<std::int64_t>((std::uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) |
                                  info.ftLastWriteTime.dwLowDateTime)};
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
            throwTransferFailure(direction, SystemErrorText::lastError());
        if (done == 0) {
            if (reading)
                throwShortRead();
            throwTransferFailure(direction, ERROR_DISK_FULL);
        }
        buffer += done;
        count -= done;
    }
}

} // namespace tarvolin
