#include "ui/win32/controls/DirListBox.h"

#include "platform/FileServices.h"
#include "platform/windows/LongPath.h"
#include "platform/windows/WideText.h"
#include "ui/FolderList.h"
#include "ui/win32/ControlSet.h"
#include "ui/win32/services/DpiFunctions.h"

#include <algorithm>
#include <cwctype>

namespace tarvolin {

namespace {

// The full path of folder, without a trailing "\" below a drive's root.
std::wstring fullPath(const std::wstring& folder)
{
    std::wstring full = LongPath::full(folder);
    if (full.size() >= 2 && full[1] == L':')
        full[0] = static_cast<wchar_t>(std::towupper(full[0]));
    return full;
}

// A folder glyph of size pixels: a tab and a body, the body's front flap
// lifted when the folder is open.
void drawFolder(HDC dc, int left, int top, int size, bool open)
{
    const int unit = std::max(1, size / 16);
    const HBRUSH body = CreateSolidBrush(RGB(240, 200, 80));
    const HBRUSH flap = CreateSolidBrush(RGB(255, 230, 140));
    const HPEN edge = CreatePen(PS_SOLID, unit, RGB(150, 110, 20));
    const HGDIOBJ oldBrush = SelectObject(dc, body);
    const HGDIOBJ oldPen = SelectObject(dc, edge);
    const int x = left + unit, y = top + 3 * unit, w = size - 2 * unit, h = size - 6 * unit;
    const POINT tab[] = {
        {x, y + 2 * unit}, {x, y}, {x + 5 * unit, y}, {x + 6 * unit, y + 2 * unit}};
    Polygon(dc, tab, 4);
    Rectangle(dc, x, y + 2 * unit, x + w, y + h);
    if (open) {
        SelectObject(dc, flap);
        const POINT front[] = {{x, y + h - 1},
                               {x + 3 * unit, y + 5 * unit},
                               {x + w + unit, y + 5 * unit},
                               {x + w - 2 * unit, y + h - 1}};
        Polygon(dc, front, 4);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(body);
    DeleteObject(flap);
    DeleteObject(edge);
}

} // namespace

DirListBox::DirListBox(HWND parent, int id)
    : m_list(CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY |
                                 LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                             0, 0, 0, 0, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                             GetModuleHandleW(nullptr), nullptr))
{
}

bool DirListBox::setNativePath(const std::wstring& folder)
{
    const std::wstring full = fullPath(folder);
    if (full.empty() || !FileServices::isFolder(utf8Text(full)))
        return false;

    m_path = full;
    m_entries.clear();
    const std::string root = utf8Text(full.substr(0, full.find(L'\\') + 1));
    const std::vector<FolderList::ListEntry> list = FolderList::folderList(root, utf8Text(full));
    for (const FolderList::ListEntry& entry : list)
        m_entries.push_back(
            {wideText(entry.path), wideText(entry.readable), entry.level, entry.open});
    const size_t open = FolderList::openIndex(list);

    SendMessageW(m_list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(m_list, LB_RESETCONTENT, 0, 0);
    for (const Entry& entry : m_entries)
        SendMessageW(m_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name.c_str()));
    SendMessageW(m_list, LB_SETCURSEL, static_cast<WPARAM>(open), 0);
    SendMessageW(m_list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_list, nullptr, TRUE);
    if (changed)
        changed();
    return true;
}

void DirListBox::openSelected()
{
    const LRESULT index = SendMessageW(m_list, LB_GETCURSEL, 0, 0);
    if (index >= 0 && static_cast<size_t>(index) < m_entries.size())
        setNativePath(m_entries[static_cast<size_t>(index)].path);
}

void DirListBox::fitItems()
{
    const HDC dc = GetDC(m_list);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(m_list, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(m_list, dc);
    const int glyph = ControlSet::scaled(FolderList::glyphSize, DpiFunctions::forWindow(m_list));
    SendMessageW(m_list, LB_SETITEMHEIGHT, 0, std::max<int>(metrics.tmHeight, glyph) + 1);
}

void DirListBox::drawItem(const DRAWITEMSTRUCT& item) const
{
    if (item.itemID == static_cast<UINT>(-1) || item.itemID >= m_entries.size())
        return;
    const Entry& entry = m_entries[item.itemID];
    const HDC dc = item.hDC;
    RECT row = item.rcItem;
    FillRect(dc, &row, GetSysColorBrush(COLOR_WINDOW));

    const int dpi = DpiFunctions::forWindow(m_list);
    const int glyph = ControlSet::scaled(FolderList::glyphSize, dpi);
    const int step = ControlSet::scaled(FolderList::indentStep, dpi);
    const int left =
        row.left + ControlSet::scaled(FolderList::glyphMargin, dpi) + entry.depth * step;
    drawFolder(dc, left, row.top + (row.bottom - row.top - glyph) / 2, glyph, entry.open);

    RECT text = row;
    text.left = left + glyph + ControlSet::scaled(FolderList::glyphGap, dpi);
    SIZE extent;
    GetTextExtentPoint32W(dc, entry.name.c_str(), static_cast<int>(entry.name.size()), &extent);
    text.right = std::min<LONG>(row.right, text.left + extent.cx + ControlSet::scaled(4, dpi));
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(dc, &text, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT inside = text;
    inside.left += ControlSet::scaled(2, dpi);
    DrawTextW(dc, entry.name.c_str(), static_cast<int>(entry.name.size()), &inside,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &text);
}

} // namespace tarvolin
