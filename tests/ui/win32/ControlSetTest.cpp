// Controls built from the layout table at the monitor's resolution: twips to
// pixels at 96 dots per inch, then scaled; the message font at that size.

#include "ui/win32/ControlSet.h"
#include "tests/support/win32/RecordingWindowServices.h"
#include "tests/support/win32/Win32TestWindow.h"
#include "tests/support/win32/Win32Windows.h"
#include "ui/win32/ChineseFont.h"
#include "ui/win32/Form1.h"
#include "ui/win32/Form2.h"
#include "ui/win32/services/DpiFunctions.h"

#include "platform/windows/WideText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <oleacc.h>

#include <iostream>
#include <map>
#include <tuple>

namespace {

namespace layout = tarvolin::layout;
using tarvolin::ControlSet;

int fontHeight(HFONT font)
{
    LOGFONTW description{};
    GetObjectW(font, sizeof description, &description);
    return std::abs(static_cast<int>(description.lfHeight));
}

// Every control stands at the table's place at the scale its font needs,
// the window's resolution at least.
void expectPlacedAtLayoutDpi(const ControlSet& controls, const layout::Window& table)
{
    for (const layout::Control& c : table.controls) {
        RECT actual = testsupport::rectInClient(controls[c.name]);
        const RECT expected = ControlSet::clientRect(table, c, controls.layoutDpi());
        // A drop-down list's closed box is as high as its font makes it.
        if (c.kind == layout::Kind::DriveList)
            actual.bottom = expected.bottom;
        EXPECT_EQ(actual, expected) << c.name;
    }
}

TEST(ControlSetTest, ScalesPlacesAndFontWithTheResolution)
{
    EXPECT_EQ(ControlSet::clientRect(layout::form2, layout::form2.control("Label2"), 144),
              (RECT{84, 72, 302, 98}));
    testsupport::Win32TestWindow window;
    ControlSet controls(window.handle(), layout::form2);
    controls.layOut(96);
    const int height96 = fontHeight(controls.font());
    EXPECT_GE(controls.layoutDpi(), 96);
    expectPlacedAtLayoutDpi(controls, layout::form2);

    controls.layOut(144);
    EXPECT_GE(controls.layoutDpi(), 144);
    expectPlacedAtLayoutDpi(controls, layout::form2);
    EXPECT_EQ(fontHeight(controls.font()), MulDiv(height96, 144, 96));
    for (const layout::Control& c : layout::form2.controls)
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(controls[c.name], WM_GETFONT, 0, 0)),
                  controls.font());

    // The window grows with its client area, 230 x 119 pixels at 96 dots per
    // inch; its place and frame follow the resolution alone.
    const RECT r = controls.windowRect();
    RECT frame = {0, 0, 0, 0};
    tarvolin::DpiFunctions::adjustWindowRect(frame, GetWindowLongW(window.handle(), GWL_STYLE), 0,
                                             144);
    const int dpi = controls.layoutDpi();
    EXPECT_EQ(r, (RECT{404 + frame.left, 324 + frame.top, 404 + MulDiv(230, dpi, 96) + frame.right,
                       324 + MulDiv(119, dpi, 96) + frame.bottom}));
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
    testsupport::RecordingWindowServices services;
    tarvolin::Form1 form1(services);
    tarvolin::Form2 form2;
    struct Shown
    {
        HWND window;
        const ControlSet& controls;
        const layout::Window& table;
    };
    for (const Shown& shown : {Shown{form1.handle(), form1.controls(), layout::form1},
                               Shown{form2.handle(), form2.controls(), layout::form2}}) {
        SCOPED_TRACE(std::string(shown.table.name));
        EXPECT_GE(shown.controls.layoutDpi(), dpi);
        expectPlacedAtLayoutDpi(shown.controls, shown.table);
        const int fit = shown.controls.layoutDpi();
        RECT client = {0, 0, ControlSet::scaled(layout::toPixels(shown.table.client).width, fit),
                       ControlSet::scaled(layout::toPixels(shown.table.client).height, fit)};
        AdjustWindowRectEx(&client, ControlSet::windowStyle(shown.table.border), FALSE, 0);
        RECT window;
        GetWindowRect(shown.window, &window);
        EXPECT_EQ(window.right - window.left, client.right - client.left);
        EXPECT_EQ(window.bottom - window.top, client.bottom - client.top);
        EXPECT_EQ(fontHeight(shown.controls.font()),
                  std::abs(static_cast<int>(metrics.lfMessageFont.lfHeight)));
    }
    tarvolin::DpiFunctions::pretendMissing(false);
}

TEST(ControlSetTest, ALargeMessageFontGrowsTheWindowsUntilNoTextIsClipped)
{
    NONCLIENTMETRICSW saved{};
    saved.cbSize = sizeof saved;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0));
    NONCLIENTMETRICSW large = saved;
    large.lfMessageFont.lfHeight = MulDiv(saved.lfMessageFont.lfHeight, 3, 2);
    {
        // The main window grows when the user sets the larger text size;
        // the About window is made in it.
        testsupport::RecordingWindowServices services;
        tarvolin::Form1 form1(services);
        ASSERT_TRUE(SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof large, &large, 0));
        SendMessageW(form1.handle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
        tarvolin::Form2 form2;
        for (const auto& [window, controls, table] :
             {std::tuple{form1.handle(), &form1.controls(), &layout::form1},
              std::tuple{form2.handle(), &form2.controls(), &layout::form2}}) {
            SCOPED_TRACE(std::string(table->name));
            const int dpi = controls->layoutDpi();
            EXPECT_GE(dpi, 144);
            const RECT client = testsupport::clientOnScreen(window);
            EXPECT_EQ(client.right - client.left,
                      ControlSet::scaled(layout::toPixels(table->client).width, dpi));
            EXPECT_EQ(client.bottom - client.top,
                      ControlSet::scaled(layout::toPixels(table->client).height, dpi));
            for (const layout::Control& c : table->controls) {
                const HWND control = (*controls)[c.name];
                const HDC dc = GetDC(control);
                SelectObject(dc, controls->font());
                TEXTMETRICW metrics;
                GetTextMetricsW(dc, &metrics);
                const std::wstring text = tarvolin::wideText(testsupport::text(control));
                SIZE extent{};
                GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
                ReleaseDC(control, dc);
                RECT room;
                GetClientRect(control, &room);
                // The text in the room the control draws it in: a button's
                // inside its raised border, a field's inside its sunken one.
                if (c.kind == layout::Kind::CommandButton)
                    InflateRect(&room, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
                const bool caption = c.kind == layout::Kind::Label ||
                                     c.kind == layout::Kind::CommandButton ||
                                     c.kind == layout::Kind::Frame;
                const bool line = c.kind == layout::Kind::Label ||
                                  c.kind == layout::Kind::CommandButton ||
                                  c.kind == layout::Kind::TextBox;
                EXPECT_TRUE(!caption || extent.cx <= room.right - room.left) << c.name;
                EXPECT_TRUE(!line || metrics.tmHeight <= room.bottom - room.top) << c.name;
                if (c.kind != layout::Kind::DriveList)
                    continue;
                // The drive list's closed box, as high as its font makes it,
                // stays clear of the folder list below it.
                RECT closed, below, both;
                GetWindowRect(control, &closed);
                GetWindowRect((*controls)["Dir1"], &below);
                EXPECT_FALSE(IntersectRect(&both, &closed, &below));
            }
        }
    }
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, 0);
}

// Stands in for the system's annotation service: records the names that
// reach SetHwndPropStr, where Wine's oleacc only says it is not implemented.
class RecordedNames : public IAccPropServices, public IClassFactory
{
public:
    std::map<HWND, std::wstring> names;

    HRESULT WINAPI QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IAccPropServices)
            *out = static_cast<IAccPropServices*>(this);
        else if (iid == IID_IClassFactory)
            *out = static_cast<IClassFactory*>(this);
        else
            return *out = nullptr, E_NOINTERFACE;
        return S_OK;
    }
    ULONG WINAPI AddRef() override { return 2; }
    ULONG WINAPI Release() override { return 1; }
    HRESULT WINAPI CreateInstance(IUnknown*, REFIID iid, void** out) override
    {
        return QueryInterface(iid, out);
    }
    HRESULT WINAPI LockServer(BOOL) override { return S_OK; }
    HRESULT WINAPI SetHwndPropStr(HWND hwnd, DWORD object, DWORD child, MSAAPROPID property,
                                  LPCWSTR text) override
    {
        if (object == static_cast<DWORD>(OBJID_CLIENT) && child == CHILDID_SELF &&
            property == PROPID_ACC_NAME)
            names[hwnd] = text;
        return S_OK;
    }
    // Nothing else is called.
    HRESULT WINAPI SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                 AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHwndProp(HWND, DWORD, DWORD, MSAAPROPID, VARIANT) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                     AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHwndProps(HWND, DWORD, DWORD, const MSAAPROPID*, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**, DWORD*) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*, DWORD*) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                      AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*, DWORD*) override
    {
        return E_NOTIMPL;
    }
};

// Form1's controls, the lists as the system's plain lists.
HWND plainList(HWND window, const layout::Control& control, int id)
{
    const wchar_t* className = control.kind == layout::Kind::DriveList ? L"COMBOBOX" : L"LISTBOX";
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0,
                           window, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr),
                           nullptr);
}

// Every control that takes the focus carries the name a screen reader reads:
// a field its label's text, a list its spoken name, a button its caption.
TEST(ControlSetTest, ControlsThatTakeTheFocusCarryTheirNamesForScreenReaders)
{
    testsupport::Win32TestWindow window;
    const auto make = [&](const layout::Control& c, int id) {
        return layout::takesFocus(c.kind) && c.kind != layout::Kind::TextBox &&
                       c.kind != layout::Kind::CommandButton
                   ? plainList(window.handle(), c, id)
                   : nullptr;
    };
    const std::map<std::string_view, std::string> expected{{"Command3", "开始分割"},
                                                           {"Drive1", "驱动器"},
                                                           {"Dir1", "文件夹"},
                                                           {"File1", "文件"},
                                                           {"Text1", "分割后文件的大小："},
                                                           {"Text2", "分割后文件保存在："},
                                                           {"Command1", "关闭"},
                                                           {"command2", "关于"}};
    ASSERT_EQ(layout::focusOrder(layout::form1).size(), expected.size());

    // Read back as a screen reader reads them. Windows answers with the
    // names; Wine's oleacc keeps no annotations and names a control by its
    // own text.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // Looked up in oleacc.dll: its import library defines IID_IAccessible
    // a second time.
    using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    const auto accessibleObjectFromWindow =
        reinterpret_cast<FromWindow>(reinterpret_cast<void (*)()>(
            GetProcAddress(LoadLibraryW(L"oleacc.dll"), "AccessibleObjectFromWindow")));
    ASSERT_NE(accessibleObjectFromWindow, nullptr);
    {
        ControlSet controls(window.handle(), layout::form1, make);
        std::string read;
        bool all = true;
        for (const auto& [name, spoken] : expected) {
            IAccessible* accessible = nullptr;
            BSTR answer = nullptr;
            VARIANT self{};
            self.vt = VT_I4;
            self.lVal = CHILDID_SELF;
            if (SUCCEEDED(accessibleObjectFromWindow(controls[name], OBJID_CLIENT, IID_IAccessible,
                                                     reinterpret_cast<void**>(&accessible)))) {
                accessible->get_accName(self, &answer);
                accessible->Release();
            }
            const std::string got =
                answer ? tarvolin::utf8Text(std::wstring_view(answer)) : "(none)";
            SysFreeString(answer);
            read += std::string(name) + "=" + got + " ";
            all = all && got == spoken;
        }
        if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") == nullptr)
            EXPECT_TRUE(all) << read;
        else if (!all)
            std::cout << "Wine's oleacc does not answer the names given; it reads " << read << "\n";
    }

    // The names reach the system's call.
    static RecordedNames recorded;
    DWORD cookie = 0;
    ASSERT_EQ(CoRegisterClassObject(CLSID_AccPropServices, static_cast<IClassFactory*>(&recorded),
                                    CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie),
              S_OK);
    {
        ControlSet controls(window.handle(), layout::form1, make);
        for (const auto& [name, spoken] : expected)
            EXPECT_EQ(tarvolin::utf8Text(recorded.names[controls[name]]), spoken) << name;
        EXPECT_EQ(recorded.names.size(), expected.size());
    }
    CoRevokeClassObject(cookie);
}

} // namespace
