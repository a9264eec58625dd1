#include "ui/win32/PathLabel.h"

#include "platform/windows/WideText.h"
#include "ui/PathShortening.h"
#include "ui/win32/ShortenedPath.h"

#include <climits>
#include <commctrl.h>

namespace tarvolin {

PathLabel::PathLabel(HWND window, HWND label) : m_window(window), m_label(label)
{
    m_toolTips =
        CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                        GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(label);
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // Lines of the tip break where its text does.
    SendMessageW(m_toolTips, TTM_SETMAXTIPWIDTH, 0, SHRT_MAX);
}

void PathLabel::setText(const std::string& text)
{
    m_text = text;
    show();
}

void PathLabel::setToolTip(const std::string& toolTip)
{
    m_toolTip = toolTip;
    show();
}

void PathLabel::laidOut(HFONT font)
{
    SendMessageW(m_toolTips, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    show();
}

void PathLabel::show()
{
    RECT room;
    GetClientRect(m_label, &room);
    const std::string shown = shortenedPath(m_label, m_text, room.right - room.left);
    SetWindowTextW(m_label, wideText(shown).c_str());
    // A shortened path shows whole above the length in the tooltip.
    std::string lines;
    for (const std::string& line : PathShortening::toolTipLines(m_text, shown != m_text, m_toolTip))
        lines += (lines.empty() ? "" : "\r\n") + line;
    const std::wstring tip = wideText(lines);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = m_window;
    tool.uId = reinterpret_cast<UINT_PTR>(m_label);
    tool.lpszText = const_cast<wchar_t*>(tip.c_str());
    SendMessageW(m_toolTips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace tarvolin
