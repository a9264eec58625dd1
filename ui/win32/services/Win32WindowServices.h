#pragma once

#include "ui/win32/services/WindowServices.h"

namespace tarvolin {

// The window services of the Win32 API, and the program's message loop.
// A notice's long lines break as NoticeLines says.
class Win32WindowServices final : public WindowServices
{
public:
    void showNotice(HWND owner, const std::string& text) override;
    void pumpEvents() override;
    void endProgram() override;
    void showWindow(HWND window) override;

    // The program's message loop; returns the code of the quit message.
    int run();

    // Hands one message to its window, with the keyboard navigation of a
    // dialog (Tab, arrows, Enter, Escape) in the top-level window it is for.
    static void dispatch(MSG& message);
};

} // namespace tarvolin
