#include "platform/win32/Win32WindowServices.h"

#include "platform/windows/WideText.h"

namespace tarvolin {

void Win32WindowServices::showNotice(HWND owner, const std::string& text)
{
    MessageBoxW(owner, wideText(text).c_str(), L"Tarvolin", MB_ICONEXCLAMATION | MB_OK);
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
