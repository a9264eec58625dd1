#pragma once

#include <windows.h>

#include <string>

namespace tarvolin {

// text, which ends in a path, as control shows it in its font within width
// pixels: shortened by the program's one rule (PathShortening).
std::string shortenedPath(HWND control, const std::string& text, int width);

} // namespace tarvolin
