#pragma once

#include <string>

#ifdef _WIN32
namespace tarvolin {

// A path as the wide-character file API of Windows takes it.
std::wstring widePath(const std::string& utf8);

} // namespace tarvolin
#endif
