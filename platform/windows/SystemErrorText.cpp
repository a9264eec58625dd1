#include "platform/SystemErrorText.h"

#include "platform/windows/WideText.h"

#include <windows.h>

namespace tarvolin {

namespace {

// The system's own sentence for code, in the user's language, without
// inserts and without the line break at its end; empty when it has none.
std::string systemMessage(int code)
{
    wchar_t* message = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::wstring wide(message != nullptr ? message : L"", length);
    LocalFree(message);
    while (!wide.empty() && (wide.back() == L'\r' || wide.back() == L'\n' || wide.back() == L' '))
        wide.pop_back();
    return utf8Text(wide);
}

} // namespace

std::string SystemErrorText::detail::knownReason(int code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
        return "文件不存在";
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
        return "文件夹不存在";
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return "没有访问权限";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "文件正被其他程序使用";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "磁盘空间不足";
    case ERROR_FILE_TOO_LARGE:
        return "文件太大";
    case ERROR_NOT_READY:
        return "驱动器未就绪";
    case ERROR_INVALID_NAME:
        return "文件名无效或太长";
    case ERROR_FILENAME_EXCED_RANGE:
        return "文件名或路径太长";
    case ERROR_DEVICE_NOT_CONNECTED:
        return "设备未连接（U 盘或移动硬盘可能已被拔出）";
    case ERROR_TOO_MANY_OPEN_FILES:
        return "打开的文件太多";
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return "内存不足";
    default:
        // The system's words, with the code for whoever looks it up.
        if (const std::string message = systemMessage(code); !message.empty())
            return message + "（代码 " + std::to_string(code) + "）";
        return {};
    }
}

int SystemErrorText::lastError()
{
    return static_cast<int>(GetLastError());
}

} // namespace tarvolin
