// The event pump: every pending message handled, the quit message left for
// the message loop.

#include "ui/win32/services/Win32WindowServices.h"
#include "tests/support/win32/Win32TestWindow.h"

#include <gtest/gtest.h>

namespace {

TEST(Win32WindowServicesTest, PumpHandlesPendingMessagesAndKeepsTheQuit)
{
    testsupport::Win32TestWindow window;
    for (int id = 1; id <= 3; ++id)
        PostMessageW(window.handle(), WM_COMMAND, MAKEWPARAM(id, 0), 1);
    PostQuitMessage(5);
    tarvolin::Win32WindowServices services;
    services.pumpEvents();
    EXPECT_EQ(window.notifications, (std::vector<std::pair<int, int>>{{1, 0}, {2, 0}, {3, 0}}));

    // The quit is still there for the loop, which ends with its code.
    EXPECT_EQ(services.run(), 5);
}

} // namespace
