// Controls built from the layout table at the monitor's resolution: twips to
// pixels at 96 dots per inch, then scaled; the message font at that size.

#include "ui/win32/ControlSet.h"
#include "platform/win32/DpiFunctions.h"
#include "tests/support/Win32TestWindow.h"
#include "tests/support/Win32Windows.h"
#include "ui/win32/ChineseFont.h"
#include "ui/win32/Form1.h"
#include "ui/win32/Form2.h"

#include <gtest/gtest.h>

#include <algorithm>

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
    tarvolin::DpiFunctions::adjustWindowRect(frame, WS_OVERLAPPED | WS_CAPTION, 0, 144);
    EXPECT_EQ(r, (RECT{404 + frame.left, 324 + frame.top, 749 + frame.right, 503 + frame.bottom}));
}

TEST(ControlSetTest, FontIsTheMessageFontWhereItHasHanGlyphsElseYaHei)
{
    struct Case
    {
        std::wstring message;
        bool hasHan;
        std::vector<std::wstring> installed;
        std::wstring face;
    };
    const std::wstring ui = L"Microsoft YaHei UI", plain = L"Microsoft YaHei";
    for (const Case& c : {
             Case{ui, true, {ui, plain}, ui},               // Chinese Windows 8 to 11
             Case{L"微软雅黑", true, {plain}, L"微软雅黑"}, // Chinese Windows 7
             Case{L"Segoe UI", false, {ui, plain}, ui},     // Western Windows 8 to 11
             Case{L"Segoe UI", false, {plain}, plain},      // Western Windows 7
             Case{L"Tahoma", false, {}, L"Tahoma"},         // neither installed
         }) {
        const auto has = [&](const std::wstring& face) { return face == c.message && c.hasHan; };
        const auto installed = [&](const std::wstring& face) {
            return std::find(c.installed.begin(), c.installed.end(), face) != c.installed.end();
        };
        EXPECT_EQ(tarvolin::ChineseFont::face(c.message, has, installed), c.face);
    }
}

TEST(ControlSetTest, WindowsLayOutAtTheScreensResolutionWhereNewerFunctionsAreMissing)
{
    // As on Windows 7: no per-monitor function; the screen's resolution,
    // AdjustWindowRectEx and the message font scaled from the screen's.
    tarvolin::DpiFunctions::pretendMissing(true);
    const int dpi = tarvolin::DpiFunctions::screenDpi();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    testsupport::RecordingWin32Services services;
    tarvolin::Form1 form1(services);
    tarvolin::Form2 form2;
    struct Shown
    {
        HWND window;
        const ControlSet& controls;
        const layout::Window& table;
        DWORD style;
    };
    for (const Shown& shown :
         {Shown{form1.handle(), form1.controls(), layout::form1, form1.style},
          Shown{form2.handle(), form2.controls(), layout::form2, form2.style}}) {
        SCOPED_TRACE(std::string(shown.table.name));
        for (const layout::Control& c : shown.table.controls) {
            RECT actual = testsupport::rectInClient(shown.controls[c.name]);
            const RECT expected = ControlSet::clientRect(shown.table, c, dpi);
            if (c.kind == layout::Kind::DriveList)
                actual.bottom = expected.bottom;
            EXPECT_EQ(actual, expected) << c.name;
        }
        RECT client = {0, 0, ControlSet::scaled(layout::toPixels(shown.table.client).width, dpi),
                       ControlSet::scaled(layout::toPixels(shown.table.client).height, dpi)};
        AdjustWindowRectEx(&client, shown.style, FALSE, 0);
        RECT window;
        GetWindowRect(shown.window, &window);
        EXPECT_EQ(window.right - window.left, client.right - client.left);
        EXPECT_EQ(window.bottom - window.top, client.bottom - client.top);
        EXPECT_EQ(fontHeight(shown.controls.font()),
                  std::abs(static_cast<int>(metrics.lfMessageFont.lfHeight)));
    }
    tarvolin::DpiFunctions::pretendMissing(false);
}

} // namespace
