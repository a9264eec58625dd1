#pragma once

// Looking at the Win32 windows as a user would: rectangles, texts, classes,
// and keys through the program's own message dispatch.

#include "platform/windows/WideText.h"
#include "ui/Layout.h"
#include "ui/win32/ControlSet.h"
#include "ui/win32/services/Win32WindowServices.h"
#include "ui/win32/services/WindowText.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace testsupport {

inline RECT rectInClient(HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The window's client area on the screen.
inline RECT clientOnScreen(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline std::string className(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return tarvolin::utf8Text(name);
}

inline std::string text(HWND window)
{
    return tarvolin::utf8Text(tarvolin::windowText(window));
}

// A key pressed in the focused control, through the program's dispatch.
inline void pressKey(WPARAM key)
{
    MSG message = {GetFocus(), WM_KEYDOWN, key, 1, 0, {}};
    tarvolin::Win32WindowServices::dispatch(message);
    message.message = WM_KEYUP;
    tarvolin::Win32WindowServices::dispatch(message);
}

// Runs the windows' messages (timers included) until holds() or until
// limit milliseconds have passed; whether it holds.
inline bool waitFor(const std::function<bool()>& holds, ULONGLONG limit = 10000)
{
    const ULONGLONG end = GetTickCount64() + limit;
    while (!holds()) {
        if (GetTickCount64() >= end)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        tarvolin::Win32WindowServices services;
        services.pumpEvents();
    }
    return true;
}

} // namespace testsupport

inline bool operator==(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b);
}

inline void PrintTo(const RECT& r, std::ostream* out)
{
    *out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}
