#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tarvolin {

// UTF-16 text of the wide-character API to the UTF-8 the rest of the program
// speaks; widePath (NativePath.h) goes the other way.
std::string utf8Text(std::wstring_view wide);

// The text of a window or control.
std::wstring windowText(HWND window);

} // namespace tarvolin
