#pragma once

#include <string>

#ifdef _WIN32
namespace tarvolin {

// UTF-8 to UTF-16 for the wide-character file API of Windows.
std::wstring widePath(const std::string& utf8);

} // namespace tarvolin
#endif
