#include "ui/win32/services/Win32WindowServices.h"

#include "platform/windows/WideText.h"
#include "ui/NoticeLines.h"
#include "ui/win32/services/WindowText.h"

namespace tarvolin {

namespace {

// text with its long lines broken to fit, in the notices' font, on the
// screen that owner stands on.
std::string fittedNotice(HWND owner, const std::string& text)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &monitor);

    const HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    const NoticeLines lines([dc](std::string_view utf8) { return textWidth(dc, utf8); });
    std::string fitted =
        lines.wrapped(text, NoticeLines::widthOn(monitor.rcWork.right - monitor.rcWork.left));
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return fitted;
}

} // namespace

void Win32WindowServices::showNotice(HWND owner, const std::string& text)
{
    MessageBoxW(owner, wideText(fittedNotice(owner, text)).c_str(), L"Tarvolin",
                MB_ICONEXCLAMATION | MB_OK);
}

void Win32WindowServices::pumpEvents()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatch(message);
    }
}

void Win32WindowServices::endProgram()
{
    ExitProcess(0);
}

void Win32WindowServices::showWindow(HWND window)
{
    // A window already shown may lie behind the main window: it comes to the
    // top of the z-order and, where the system lets it, takes the activation.
    ShowWindow(window, SW_SHOWNORMAL);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    BringWindowToTop(window);
    SetForegroundWindow(window);
}

int Win32WindowServices::run()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        dispatch(message);
    return static_cast<int>(message.wParam);
}

void Win32WindowServices::dispatch(MSG& message)
{
    const HWND top = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (top != nullptr && IsDialogMessageW(top, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace tarvolin
