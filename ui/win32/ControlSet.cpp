#include "ui/win32/ControlSet.h"

#include "platform/windows/WideText.h"
#include "ui/FontFit.h"
#include "ui/win32/ChineseFont.h"
#include "ui/win32/services/DpiFunctions.h"

#include <oleacc.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tarvolin {

namespace {

constexpr int firstId = 100;
// The opened drive list shows about this many drives.
constexpr int dropDownRows = 8;

struct Native
{
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

// The system's control for each kind the window does not make itself.
Native nativeControl(const layout::Control& control)
{
    switch (control.kind) {
    case layout::Kind::Frame:
        // Clipped by its siblings, so it never paints over the lists.
        return {L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, 0};
    case layout::Kind::Label:
        // The source label tells the file's length in a tooltip, which
        // needs its mouse messages.
        return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY, 0};
    case layout::Kind::TextBox:
        return {L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case layout::Kind::CommandButton:
        return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case layout::Kind::Image:
        return {L"STATIC", SS_OWNERDRAW, 0};
    default:
        throw std::logic_error("no native control for " + std::string(control.name));
    }
}

HFONT messageFont(int dpi)
{
    const LOGFONTW font = ChineseFont::forDpi(dpi);
    return CreateFontIndirectW(&font);
}

// A sunken or raised border's width, in pixels at 96 dots per inch.
constexpr int edge = 2;

// What control, made as made, needs for its text in the font selected
// into dc, whose lines are line pixels high, for a window at dpi dots per
// inch: a button's text inside its raised border, a field's line inside
// its sunken one.
FontFit::Measures measured(const layout::Control& control, HWND made, HDC dc, int line, int dpi)
{
    const std::wstring text = wideText(std::string(control.text));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    FontFit::Measures m;
    m.textWidth = static_cast<int>(extent.cx);
    m.lineHeight = line;
    switch (control.kind) {
    case layout::Kind::CommandButton:
    case layout::Kind::TextBox:
        m.border = ControlSet::scaled(2 * edge, dpi);
        break;
    case layout::Kind::DriveList:
        m.border = ControlSet::scaled(2 * edge, dpi);
        // The closed box: its selection field, which the list sizes to its font.
        m.fieldHeight = static_cast<int>(SendMessageW(made, CB_GETITEMHEIGHT, WPARAM(-1), 0));
        break;
    case layout::Kind::Frame:
        m.captionWidth = m.textWidth + ControlSet::scaled(2 * ControlSet::captionInset, dpi);
        break;
    default:
        break;
    }
    return m;
}

// Gives every control that takes the focus the name a screen reader reads
// (a field its label's text, a list its spoken name, a button its caption),
// whatever static text lies before it. MSAA's own guess takes the text
// created just before a control: none for the folder and file lists, and
// the progress caption for the drive list.
void nameForScreenReaders(const layout::Window& table, const std::vector<HWND>& controls)
{
    // S_FALSE or a different threading model: COM is usable all the same.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services))))
        return;
    for (size_t i = 0; i < controls.size(); ++i) {
        const layout::Control& control = table.controls[i];
        if (!layout::takesFocus(control.kind))
            continue;
        const std::wstring name = wideText(table.accessibleName(control));
        services->SetHwndPropStr(controls[i], static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_NAME, name.c_str());
    }
    services->Release();
}

} // namespace

ControlSet::ControlSet(HWND window, const layout::Window& table, const Maker& make)
    : m_window(window), m_table(table), m_controls(table.controls.size())
{
    for (const layout::Control* inOrder : layout::tabOrder(table)) {
        const layout::Control& control = *inOrder;
        const size_t index = static_cast<size_t>(inOrder - table.controls.data());
        const int controlId = firstId + static_cast<int>(index);
        HWND made = make ? make(control, controlId) : nullptr;
        if (made == nullptr) {
            const Native native = nativeControl(control);
            made = CreateWindowExW(
                native.extendedStyle, native.className, wideText(std::string(control.text)).c_str(),
                WS_CHILD | WS_VISIBLE | native.style, 0, 0, 0, 0, window,
                reinterpret_cast<HMENU>(INT_PTR(controlId)), GetModuleHandleW(nullptr), nullptr);
        }
        m_controls[index] = made;
    }
    // The frames go below every control, so the controls inside them lie
    // above them in the z-order. Frames take no focus, so the focus order,
    // which follows the z-order, stays the table's. Containers come first
    // in the table; the last frame sent down lies lowest, so a frame stays
    // above the frame that holds it.
    for (size_t i = m_controls.size(); i-- > 0;) {
        if (table.controls[i].kind == layout::Kind::Frame)
            SetWindowPos(m_controls[i], HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    nameForScreenReaders(table, m_controls);
}

ControlSet::~ControlSet()
{
    if (m_font != nullptr)
        DeleteObject(m_font);
}

HWND ControlSet::operator[](std::string_view name) const
{
    return m_controls[static_cast<size_t>(id(name) - firstId)];
}

int ControlSet::id(std::string_view name) const
{
    const layout::Control& control = m_table.control(name);
    return firstId + static_cast<int>(&control - m_table.controls.data());
}

std::string_view ControlSet::nameOf(int controlId) const
{
    const int index = controlId - firstId;
    if (index < 0 || static_cast<size_t>(index) >= m_table.controls.size())
        return {};
    return m_table.controls[static_cast<size_t>(index)].name;
}

void ControlSet::layOut(int dpi)
{
    const HFONT font = messageFont(dpi);
    for (const HWND control : m_controls)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    const HDC dc = GetDC(m_window);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int fitting = FontFit::fittingDpi(m_table, [&](const layout::Control& control) {
        const auto index = static_cast<size_t>(&control - m_table.controls.data());
        return FontFit::needed(control.kind, !control.text.empty(),
                               measured(control, m_controls[index], dc, metrics.tmHeight, dpi));
    });
    SelectObject(dc, old);
    ReleaseDC(m_window, dc);
    m_dpi = dpi;
    m_layoutDpi = std::max(dpi, fitting);

    for (size_t i = 0; i < m_controls.size(); ++i) {
        const RECT r = clientRect(m_table, m_table.controls[i], m_layoutDpi);
        // A drop-down list's closed box takes its font's height; the height
        // it is given is the room of its opened list.
        const int rows = m_table.controls[i].kind == layout::Kind::DriveList ? dropDownRows : 1;
        MoveWindow(m_controls[i], r.left, r.top, r.right - r.left, (r.bottom - r.top) * rows, TRUE);
    }
    if (m_font != nullptr)
        DeleteObject(m_font);
    m_font = font;
    InvalidateRect(m_window, nullptr, TRUE);
}

RECT ControlSet::windowRect() const
{
    const layout::Rect client = layout::toPixels(m_table.client);
    const int left = scaled(client.left, m_dpi);
    const int top = scaled(client.top, m_dpi);
    RECT r = {left, top, left + scaled(client.width, m_layoutDpi),
              top + scaled(client.height, m_layoutDpi)};
    DpiFunctions::adjustWindowRect(r, static_cast<DWORD>(GetWindowLongW(m_window, GWL_STYLE)),
                                   static_cast<DWORD>(GetWindowLongW(m_window, GWL_EXSTYLE)),
                                   m_dpi);
    // A window grown for a large font moves up and left as far as it must
    // to stay on its monitor's work area, its title bar first.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& area = monitor.rcWork;
        OffsetRect(&r, std::min(0L, area.right - r.right), std::min(0L, area.bottom - r.bottom));
        OffsetRect(&r, std::max(0L, area.left - r.left), std::max(0L, area.top - r.top));
    }
    return r;
}

void ControlSet::placeWindow(std::optional<POINT> topLeft) const
{
    const RECT r = windowRect();
    const POINT at = topLeft.value_or(POINT{r.left, r.top});
    SetWindowPos(m_window, nullptr, at.x, at.y, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

DWORD ControlSet::windowStyle(const layout::Border& border)
{
    DWORD style = WS_OVERLAPPED | WS_CAPTION;
    if (border.sizable)
        style |= WS_THICKFRAME;
    if (border.systemMenu)
        style |= WS_SYSMENU;
    if (border.minimizeBox)
        style |= WS_MINIMIZEBOX;
    if (border.maximizeBox)
        style |= WS_MAXIMIZEBOX;
    return style;
}

RECT ControlSet::clientRect(const layout::Window& table, const layout::Control& control, int dpi)
{
    const layout::Rect at = table.pixelsInClient(control);
    return {scaled(at.left, dpi), scaled(at.top, dpi), scaled(at.left + at.width, dpi),
            scaled(at.top + at.height, dpi)};
}

bool ControlSet::followDisplayChange(UINT message, WPARAM wParam, LPARAM lParam)
{
    RECT place;
    int dpi;
    if (message == WM_DPICHANGED) {
        // The system's suggestion scales the window alike; the font may
        // need a little more.
        place = *reinterpret_cast<const RECT*>(lParam);
        dpi = HIWORD(wParam);
    } else if (message == WM_SETTINGCHANGE && wParam == SPI_SETNONCLIENTMETRICS) {
        // The user's text size: the window grows or shrinks where it stands.
        GetWindowRect(m_window, &place);
        dpi = DpiFunctions::forWindow(m_window);
    } else {
        return false;
    }
    layOut(dpi);
    placeWindow(POINT{place.left, place.top});
    return true;
}

} // namespace tarvolin
