#pragma once

// A hidden parent window for the Win32 list controls, which records the
// notifications its children send, for the tests that run under Wine.

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

inline void initCommonControls()
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
}

class Win32TestWindow
{
public:
    Win32TestWindow()
    {
        initCommonControls();
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TarvolinTestParent";
        RegisterClassW(&windowClass);
        m_window = CreateWindowExW(0, L"TarvolinTestParent", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400,
                                   300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Win32TestWindow() { DestroyWindow(m_window); }

    HWND handle() const { return m_window; }

    // Notifications received, as (control id, notification code).
    std::vector<std::pair<int, int>> notifications;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<Win32TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && message == WM_COMMAND && lParam != 0)
            self->notifications.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND m_window;
};

// The texts of a list box's entries.
inline std::vector<std::wstring> listTexts(HWND list)
{
    std::vector<std::wstring> texts;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        texts.push_back(text);
    }
    return texts;
}

// The scratch drive that tools/windows-check maps onto a scratch folder
// ("Y:\"), or empty.
inline std::wstring scratchDrive()
{
    wchar_t drive[8] = {};
    return GetEnvironmentVariableW(L"TARVOLIN_TEST_DRIVE", drive, 8) ? drive : L"";
}

} // namespace testsupport
