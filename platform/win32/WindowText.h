#pragma once

#include <windows.h>

#include <string>

namespace tarvolin {

// The text of a window or control.
std::wstring windowText(HWND window);

} // namespace tarvolin
