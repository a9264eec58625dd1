#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tarvolin {

// The windows' font: the system's message font where it has Chinese (Han)
// glyphs of its own, as on a Chinese Windows. Elsewhere (Segoe UI on a
// Western Windows, which would borrow a Japanese-shaped fallback) "Microsoft
// YaHei UI", or "Microsoft YaHei" on Windows 7, at the message font's height.
namespace ChineseFont {

// The font for dpi dots per inch.
LOGFONTW forDpi(int dpi);

// The face for a message font named messageFace: kept when hasHan says
// it has Han glyphs, else the first of the YaHei faces that installed
// finds, else kept all the same.
std::wstring face(const std::wstring& messageFace,
                  const std::function<bool(const std::wstring&)>& hasHan,
                  const std::function<bool(const std::wstring&)>& installed);

} // namespace ChineseFont

} // namespace tarvolin
