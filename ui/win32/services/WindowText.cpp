#include "ui/win32/services/WindowText.h"

#include "platform/windows/WideText.h"

namespace tarvolin {

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

int textWidth(HDC dc, std::string_view utf8)
{
    const std::wstring wide = wideText(utf8);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    return static_cast<int>(size.cx);
}

} // namespace tarvolin
