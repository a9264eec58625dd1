#pragma once

#include "ui/RepaintThrottle.h"

#include <windows.h>

#include <string>

namespace tarvolin {

class ControlSet;

// The caption of the progress frame (Frame3) while a split runs, as the
// split sets it for every piece. It keeps the whole caption; the frame
// shows it shortened in the middle of the path to its width
// (PathShortening), worked out afresh after every layout, and every "&" in
// it as it is.
class ProgressCaption
{
public:
    // The timer of the window that makes up a repaint put off; when it
    // fires, the window calls repaintNow.
    static constexpr UINT_PTR timer = 1;

    // The caption of controls' Frame3, which stand in window.
    ProgressCaption(HWND window, const ControlSet& controls, std::string caption);

    // The whole caption, however shortened it is shown.
    const std::string& caption() const { return m_caption; }

    // The caption changes at once, for every piece, but without the frame's
    // own repaint of its whole area; its strip is repainted as
    // RepaintThrottle says, by the time on Clock.
    void set(const std::string& caption);

    // Repaints the caption's strip now.
    void repaintNow();

    // After a layout: the caption shortened to the new room.
    void laidOut() { show(); }

private:
    void show();

    HWND m_window;
    const ControlSet& m_controls;
    HWND m_frame;
    std::string m_caption;
    RepaintThrottle m_throttle;
};

} // namespace tarvolin
