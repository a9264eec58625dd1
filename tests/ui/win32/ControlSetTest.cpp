// Controls built from the layout table at the monitor's resolution: twips to
// pixels at 96 dots per inch, then scaled; the message font at that size.

#include "ui/win32/ControlSet.h"
#include "tests/support/Win32TestWindow.h"
#include "tests/support/Win32Windows.h"

#include <gtest/gtest.h>

namespace {

namespace layout = tarvolin::layout;
using tarvolin::ControlSet;

int fontHeight(HFONT font)
{
    LOGFONTW description{};
    GetObjectW(font, sizeof description, &description);
    return std::abs(static_cast<int>(description.lfHeight));
}

TEST(ControlSetTest, ScalesPlacesAndFontWithTheResolution)
{
    testsupport::Win32TestWindow window;
    ControlSet controls(window.handle(), layout::form2);
    controls.layOut(96);
    const int height96 = fontHeight(controls.font());
    EXPECT_EQ(testsupport::rectInClient(controls["Label2"]), (RECT{56, 48, 201, 65}));

    controls.layOut(144);
    EXPECT_EQ(testsupport::rectInClient(controls["Label2"]), (RECT{84, 72, 302, 98}));
    EXPECT_EQ(testsupport::rectInClient(controls["Image1"]), (RECT{12, 48, 63, 98}));
    EXPECT_EQ(fontHeight(controls.font()), MulDiv(height96, 144, 96));
    for (const layout::Control& c : layout::form2.controls)
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(controls[c.name], WM_GETFONT, 0, 0)),
                  controls.font());

    // The window grows with its client area: 230 x 119 pixels at 96 dots per inch.
    const RECT r = ControlSet::windowRect(layout::form2, WS_OVERLAPPED | WS_CAPTION, 0, 144);
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectExForDpi(&frame, WS_OVERLAPPED | WS_CAPTION, FALSE, 0, 144);
    EXPECT_EQ(r, (RECT{404 + frame.left, 324 + frame.top, 749 + frame.right, 503 + frame.bottom}));
}

} // namespace
