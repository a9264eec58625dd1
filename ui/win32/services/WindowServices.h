#pragma once

#include <windows.h>

#include <string>

namespace tarvolin {

// The window system's services that the windows call. The program uses
// Win32WindowServices; tests put a recording stand-in in its place.
class WindowServices
{
public:
    virtual ~WindowServices() = default;

    // A modal notice over owner: the exclamation icon, one OK button, the
    // caption "Tarvolin". Returns when the user has dismissed it. Text is
    // UTF-8.
    virtual void showNotice(HWND owner, const std::string& text) = 0;

    // Handles every window message already pending, then returns. A quit
    // message is left for the message loop.
    virtual void pumpEvents() = 0;

    // Ends the program at once: its windows go, the system closes every file
    // it holds open, and no further code of the caller runs.
    virtual void endProgram() = 0;

    // Shows window without an owner, modeless, and brings it to the front.
    virtual void showWindow(HWND window) = 0;
};

} // namespace tarvolin
