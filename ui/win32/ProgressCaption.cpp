#include "ui/win32/ProgressCaption.h"

#include "platform/windows/WideText.h"
#include "ui/CaptionText.h"
#include "ui/Layout.h"
#include "ui/win32/ControlSet.h"
#include "ui/win32/ShortenedPath.h"

#include <utility>

namespace tarvolin {

ProgressCaption::ProgressCaption(HWND window, const ControlSet& controls, std::string caption)
    : m_window(window), m_controls(controls), m_frame(controls["Frame3"]),
      m_caption(std::move(caption))
{
}

void ProgressCaption::set(const std::string& caption)
{
    m_caption = caption;
    show();
    const RepaintThrottle::Repaint repaint = m_throttle.changed(RepaintThrottle::Clock::now());
    if (repaint.kind == RepaintThrottle::Repaint::Kind::now)
        repaintNow();
    else if (repaint.kind == RepaintThrottle::Repaint::Kind::later)
        SetTimer(m_window, timer, static_cast<UINT>(repaint.after.count()), nullptr);
}

void ProgressCaption::show()
{
    // The caption stands on the frame's top line, in from both ends.
    RECT room;
    GetClientRect(m_frame, &room);
    const int margins = ControlSet::scaled(2 * ControlSet::captionInset, m_controls.dpi());
    const std::wstring shown = wideText(
        CaptionText::escaped(shortenedPath(m_frame, m_caption, room.right - room.left - margins)));
    DefWindowProcW(m_frame, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown.c_str()));
}

void ProgressCaption::repaintNow()
{
    // The strip of the frame above its first control, with what lies in it.
    RECT strip;
    GetWindowRect(m_frame, &strip);
    MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&strip), 2);
    strip.bottom = strip.top + ControlSet::scaled(
                                   layout::twipsToPixels(layout::form1.control("Drive1").twips.top),
                                   m_controls.layoutDpi());
    KillTimer(m_window, timer);
    RedrawWindow(m_window, &strip, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    m_throttle.painted(RepaintThrottle::Clock::now());
}

} // namespace tarvolin
