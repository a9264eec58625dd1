#pragma once

#include "ui/win32/services/DpiFunctions.h"

#include <windows.h>

namespace tarvolin {

// A top-level window whose messages reach members of T. The window keeps a
// pointer to its T in GWLP_USERDATA from WM_NCCREATE to WM_NCDESTROY; T
// answers each message in T::handleMessage, one member per message it
// handles, and passes the rest to defaultHandling. After WM_NCDESTROY,
// handle() is null.
template <typename T> class Window
{
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND handle() const { return m_window; }

protected:
    // Registers T's window class once, with the program's icon.
    static void registerClass(const wchar_t* name)
    {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW existing{};
        existing.cbSize = sizeof existing;
        if (GetClassInfoExW(instance, name, &existing))
            return;
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.hIcon = LoadIconW(instance, L"IDI_ICON1");
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = name;
        RegisterClassExW(&windowClass);
    }

    HWND create(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD extendedStyle)
    {
        registerClass(className);
        return CreateWindowExW(extendedStyle, className, caption, style, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                               GetModuleHandleW(nullptr), static_cast<T*>(this));
    }

    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return DefWindowProcW(m_window, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            T* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->m_window = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            DpiFunctions::scaleNonClientArea(window);
        }
        T* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self == nullptr)
            return DefWindowProcW(window, message, wParam, lParam);
        const LRESULT result = self->handleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->m_window = nullptr;
        }
        return result;
    }

    HWND m_window = nullptr;
};

} // namespace tarvolin
