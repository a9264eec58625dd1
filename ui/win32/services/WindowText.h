#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tarvolin {

// The text of a window or control.
std::wstring windowText(HWND window);

// The width in pixels of utf8 drawn on one line in the font selected into dc.
int textWidth(HDC dc, std::string_view utf8);

} // namespace tarvolin
