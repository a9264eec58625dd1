#include "platform/FileServices.h"

#include "platform/Failure.h"
#include "platform/SystemErrorText.h"
#include "platform/windows/LongPath.h"
#include "platform/windows/WideText.h"

#include <windows.h>

namespace tarvolin {

bool FileServices::sameName(const std::string& a, const std::string& b)
{
    const std::wstring wideA = wideText(a), wideB = wideText(b);
    return CompareStringOrdinal(wideA.data(), static_cast<int>(wideA.size()), wideB.data(),
                                static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}

void FileServices::flushFolder(const std::string&) {}

void FileServices::flushFile(const std::string& path)
{
    HANDLE file =
        CreateFileW(LongPath::of(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw Failure(
            SystemErrorText::describe("无法打开文件", path, SystemErrorText::lastError()));
    const bool flushed = FlushFileBuffers(file) != 0;
    const int error = SystemErrorText::lastError();
    CloseHandle(file);
    if (!flushed)
        throw Failure(SystemErrorText::describe("无法把文件存到磁盘上", path, error));
}

std::string FileServices::currentFolder()
{
    std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
    folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    return utf8Text(folder);
}

} // namespace tarvolin
