#pragma once

#include <windows.h>

#include <string>

namespace tarvolin {

// The window system's services that the Win32 windows call. The program uses
// this class as it is; tests derive from it to record notices and the end of
// the program instead of blocking on a message box or ending the test.
class Win32WindowServices
{
public:
    virtual ~Win32WindowServices() = default;

    // A modal notice over owner: the exclamation icon, one OK button, the
    // caption "Tarvolin". Returns when the user has dismissed it. Text is
    // UTF-8; its long lines break as NoticeLines says.
    virtual void showNotice(HWND owner, const std::string& text);

    // Handles every window message already pending, then returns. A quit
    // message is left for the message loop.
    virtual void pumpEvents();

    // Ends the program at once: its windows go, the system closes every file
    // it holds open, and no further code of the caller runs.
    virtual void endProgram();

    // The program's message loop; returns the code of the quit message.
    int run();

    // Hands one message to its window, with the keyboard navigation of a
    // dialog (Tab, arrows, Enter, Escape) in the top-level window it is for.
    static void dispatch(MSG& message);
};

} // namespace tarvolin
