// The Win32 About window: its frame, place and controls from the layout
// table, its texts, and the emblem drawn from the program's resources with
// its transparent pixels showing the window. Runs under Wine.

#include "ui/win32/Form2.h"
#include "tests/support/win32/Win32TestWindow.h"
#include "tests/support/win32/Win32Windows.h"

#include <gtest/gtest.h>

namespace {

namespace layout = tarvolin::layout;
using testsupport::className;
using testsupport::rectInClient;
using testsupport::text;

TEST(Form2Test, FrameControlsAndTextsFollowTheLayout)
{
    testsupport::initCommonControls();
    tarvolin::Form2 about;
    EXPECT_EQ(text(about.handle()), layout::form2.caption);
    const LONG style = GetWindowLongW(about.handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_EQ(GetWindow(about.handle(), GW_OWNER), nullptr);
    // The client area at its place on the screen, 230 x 119 pixels at 96
    // dots per inch, and as much larger as the font needs.
    const int dpi = about.controls().layoutDpi();
    EXPECT_EQ(testsupport::clientOnScreen(about.handle()),
              (RECT{269, 216, 269 + MulDiv(230, dpi, 96), 216 + MulDiv(119, dpi, 96)}));

    for (const layout::Control& c : layout::form2.controls) {
        SCOPED_TRACE(std::string(c.name));
        const HWND window = about.controls()[c.name];
        EXPECT_EQ(className(window), "Static");
        EXPECT_EQ(rectInClient(window), tarvolin::ControlSet::clientRect(layout::form2, c, dpi));
        EXPECT_EQ(text(window), c.text);
        EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_TABSTOP);
    }
    EXPECT_EQ(tarvolin::ControlSet::clientRect(layout::form2, layout::form2.control("Image1"), 96),
              (RECT{8, 32, 42, 65}));
}

TEST(Form2Test, ShowsTheEmblemWithItsBackgroundThrough)
{
    testsupport::initCommonControls();
    tarvolin::Form2 about;
    ShowWindow(about.handle(), SW_SHOWNORMAL);
    UpdateWindow(about.handle());
    const HWND image = about.controls()["Image1"];
    const HDC dc = GetDC(image);
    const COLORREF corner = GetPixel(dc, 0, 0);   // transparent
    const COLORREF middle = GetPixel(dc, 17, 24); // the badge
    ReleaseDC(image, dc);
    EXPECT_EQ(corner, GetSysColor(COLOR_BTNFACE));
    EXPECT_NE(middle, GetSysColor(COLOR_BTNFACE));
    EXPECT_NE(middle, CLR_INVALID);
}

} // namespace
