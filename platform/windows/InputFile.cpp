#include "platform/InputFile.h"

#include "platform/Failure.h"
#include "platform/SystemErrorText.h"
#include "platform/windows/LongPath.h"

#include <windows.h>

namespace tarvolin {

OpenFile::Handle InputFile::openForReading(const std::string& path)
{
    // Shared as Linux shares it: a file that another program holds open, even
    // for writing or deleting, is read all the same. The run refuses to
    // write over the source (its identity) and stops at a source that
    // shrinks (a short read).
    HANDLE handle = CreateFileW(LongPath::of(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw Failure(
            SystemErrorText::describe("无法打开文件", path, SystemErrorText::lastError()));
    return handle;
}

std::size_t InputFile::copyTo(OutputFile&, std::size_t)
{
    return 0;
}

} // namespace tarvolin
