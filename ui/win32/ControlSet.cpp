#include "ui/win32/ControlSet.h"

#include "platform/WideText.h"
#include "platform/win32/DpiFunctions.h"
#include "ui/win32/ChineseFont.h"

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
    std::vector<size_t> order(table.controls.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return table.controls[a].tabIndex < table.controls[b].tabIndex;
    });
    for (const size_t index : order) {
        const layout::Control& control = table.controls[index];
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
    for (size_t i = 0; i < m_controls.size(); ++i) {
        const RECT r = clientRect(m_table, m_table.controls[i], dpi);
        // A drop-down list's closed box takes its font's height; the height
        // it is given is the room of its opened list.
        const int rows = m_table.controls[i].kind == layout::Kind::DriveList ? dropDownRows : 1;
        SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        MoveWindow(m_controls[i], r.left, r.top, r.right - r.left, (r.bottom - r.top) * rows, TRUE);
    }
    if (m_font != nullptr)
        DeleteObject(m_font);
    m_font = font;
    InvalidateRect(m_window, nullptr, TRUE);
}

RECT ControlSet::windowRect(const layout::Window& table, DWORD style, DWORD extendedStyle, int dpi)
{
    const layout::Rect client = layout::toPixels(table.client);
    RECT r = {scaled(client.left, dpi), scaled(client.top, dpi),
              scaled(client.left + client.width, dpi), scaled(client.top + client.height, dpi)};
    DpiFunctions::adjustWindowRect(r, style, extendedStyle, dpi);
    return r;
}

RECT ControlSet::clientRect(const layout::Window& table, const layout::Control& control, int dpi)
{
    const layout::Rect at = table.pixelsInClient(control);
    return {scaled(at.left, dpi), scaled(at.top, dpi), scaled(at.left + at.width, dpi),
            scaled(at.top + at.height, dpi)};
}

} // namespace tarvolin
