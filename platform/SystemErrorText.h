#pragma once

#include <string>

namespace tarvolin {

// Chinese descriptions of the operating system's error codes: errno values
// on POSIX systems, GetLastError() values on Windows.
class SystemErrorText
{
public:
    // The reason alone, for example "磁盘空间不足".
    static std::string reason(int code);

    // "<what>“<path>”：<reason>", for example
    // "无法创建文件“/tmp/a.bin.000”：没有访问权限".
    static std::string describe(const std::string& what, const std::string& path, int code);

    // The calling thread's last error code (errno, or GetLastError() on Windows).
    static int lastError();
};

} // namespace tarvolin
