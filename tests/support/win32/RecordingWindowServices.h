#pragma once

#include "ui/win32/services/Win32WindowServices.h"

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Window services that record notices and the end of the program instead
// of blocking on a message box or ending the test. The event pump and the
// showing of a window are the program's own.
class RecordingWindowServices : public tarvolin::WindowServices
{
public:
    void showNotice(HWND owner, const std::string& text) override
    {
        owners.push_back(owner);
        notices.push_back(text);
    }
    void pumpEvents() override
    {
        ++pumps;
        if (onPump)
            onPump(pumps);
        m_system.pumpEvents();
    }
    void endProgram() override { ++programEnds; }
    void showWindow(HWND window) override { m_system.showWindow(window); }

    std::vector<std::string> notices;
    std::vector<HWND> owners;
    int pumps = 0;
    int programEnds = 0;
    // Run at the start of the pump, with the number of pumps so far.
    std::function<void(int)> onPump;

private:
    tarvolin::Win32WindowServices m_system;
};

} // namespace testsupport
