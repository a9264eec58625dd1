#include "platform/InputFile.h"

#include "platform/Failure.h"
#include "platform/FileServices.h"
#include "platform/SystemErrorText.h"
#include "platform/windows/LongPath.h"

#include <algorithm>
#include <windows.h>

namespace tarvolin {

OpenFile::Handle InputFile::openForReading(const std::string& path, Caching caching)
{
    // Shared as Linux shares it: a file that another program holds open, even
    // for writing or deleting, is read all the same. The run refuses to
    // write over the source (its identity) and stops at a source that
    // shrinks (a short read).
    HANDLE handle = CreateFileW(
        LongPath::of(path).c_str(), GENERIC_READ,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        caching == Caching::bypass ? FILE_FLAG_NO_BUFFERING : FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const int error = SystemErrorText::lastError();
        // A folder opens only for its entries: say what it is.
        if (FileServices::isFolder(path))
            FileServices::throwIsFolder(path);
        throw Failure(SystemErrorText::describe("无法打开文件", path, error));
    }
    return handle;
}

std::size_t InputFile::copyTo(OutputFile&, std::size_t)
{
    return 0;
}

std::size_t InputFile::readAt(std::int64_t offset, char* buffer, std::size_t count)
{
    // Past the cache, reads come in whole sectors.
    const std::size_t asked =
        m_caching == Caching::bypass ? (count + alignment - 1) / alignment * alignment : count;
    std::size_t got = 0;
    while (got < count) {
        OVERLAPPED at{};
        const std::uint64_t position = static_cast<std::uint64_t>(offset) + got;
        at.Offset = static_cast<DWORD>(position);
        at.OffsetHigh = static_cast<DWORD>(position >> 32);
        DWORD done = 0;
        const DWORD step = static_cast<DWORD>(std::min(asked - got, largestTransfer));
        if (!ReadFile(handle(), buffer + got, step, &done, &at)) {
            if (GetLastError() == ERROR_HANDLE_EOF)
                break;
            throw Failure(
                SystemErrorText::describe("无法读取文件", path(), SystemErrorText::lastError()));
        }
        if (done == 0)
            break;
        got += done;
    }
    return std::min(got, count);
}

} // namespace tarvolin
