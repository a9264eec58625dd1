#include "ui/win32/ShortenedPath.h"

#include "ui/PathShortening.h"
#include "ui/win32/services/WindowText.h"

namespace tarvolin {

std::string shortenedPath(HWND control, const std::string& text, int width)
{
    HDC dc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const PathShortening rule([dc](std::string_view utf8) { return textWidth(dc, utf8); });
    std::string shown = rule.shortened(text, width);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return shown;
}

} // namespace tarvolin
