#pragma once

#include <string>

namespace tarvolin {

// Chinese descriptions of the operating system's error codes: errno values
// on POSIX systems, GetLastError() values on Windows.
namespace SystemErrorText {

// The reason alone, for example "磁盘空间不足". On Windows a code without
// a text of its own gets the system's sentence with the code after it
// ("数据错误(循环冗余检查)。（代码 23）"); "系统错误（代码 N）" when the
// system has none.
std::string reason(int code);

// "<what>“<path>”：<reason>", for example
// "无法创建文件“/tmp/a.bin.000”：没有访问权限".
std::string describe(const std::string& what, const std::string& path, int code);

// The calling thread's last error code (errno, or GetLastError() on Windows).
int lastError();

namespace detail {

// The reason in the system's own terms (platform/posix, platform/windows);
// empty for a code that has none.
std::string knownReason(int code);

} // namespace detail

} // namespace SystemErrorText

} // namespace tarvolin
