#include "platform/FileServices.h"

#include "platform/Failure.h"
#include "platform/SystemErrorText.h"
#include "platform/windows/LongPath.h"
#include "platform/windows/WideText.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <sys/stat.h>
#endif

namespace tarvolin {

namespace {

// Length of the file at path, or the error code of the failed look-up.
struct Lookup
{
    std::int64_t length = -1;
    int error = 0;
    bool isFolder = false;
};

Lookup lookUp(const std::string& path)
{
    Lookup result;
#ifdef _WIN32
    // Opened for no access at all: the length of a file that another program
    // holds open is read all the same.
    HANDLE file = CreateFileW(LongPath::of(path).c_str(), 0,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        result.error = static_cast<int>(GetLastError());
        return result;
    }
    BY_HANDLE_FILE_INFORMATION info;
    LARGE_INTEGER size;
    if (!GetFileInformationByHandle(file, &info))
        result.error = static_cast<int>(GetLastError());
    else if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        result.isFolder = true;
    else if (!GetFileSizeEx(file, &size))
        result.error = static_cast<int>(GetLastError());
    else
        result.length = size.QuadPart;
    CloseHandle(file);
#else
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        result.error = errno;
        return result;
    }
    result.isFolder = S_ISDIR(st.st_mode);
    result.length = static_cast<std::int64_t>(st.st_size);
#endif
    return result;
}

} // namespace

std::int64_t FileServices::fileLength(const std::string& path)
{
    if (path.empty())
        throw Failure("没有指定要分割的文件");
    const Lookup found = lookUp(path);
    if (found.error != 0)
        throw Failure(SystemErrorText::describe("无法读取文件长度", path, found.error));
    if (found.isFolder)
        throw Failure("“" + path + "”是一个文件夹，不是文件");
    return found.length;
}

std::int64_t FileServices::fullLength(const std::string& path)
{
    const Lookup found = lookUp(path);
    return found.error != 0 || found.isFolder ? -1 : found.length;
}

bool FileServices::sameName(const std::string& a, const std::string& b)
{
#ifdef _WIN32
    const std::wstring wideA = wideText(a), wideB = wideText(b);
    return CompareStringOrdinal(wideA.data(), static_cast<int>(wideA.size()), wideB.data(),
                                static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
#else
    return a == b;
#endif
}

} // namespace tarvolin
