#pragma once

#include <windows.h>

#include <string>

namespace tarvolin {

// A label for a path (Lab1, the source path) over its static control. It
// keeps the whole path, as the program reads it back; what the control
// shows is the path shortened in the middle to its width (PathShortening),
// worked out afresh after every layout, so a new size or font shows the
// right part. While the path is shortened, its tooltip shows the whole path
// above the tooltip text.
class PathLabel
{
public:
    // label is the static control; its tooltip belongs to window, the
    // window the label stands in.
    PathLabel(HWND window, HWND label);

    const std::string& text() const { return m_text; }
    void setText(const std::string& text);
    // The tooltip text of its own (without the path).
    const std::string& toolTip() const { return m_toolTip; }
    void setToolTip(const std::string& toolTip);

    // After a layout: the tooltip takes the controls' font, and the path is
    // shortened to the new room.
    void laidOut(HFONT font);

private:
    void show();

    HWND m_window;
    HWND m_label;
    HWND m_toolTips;
    std::string m_text;
    std::string m_toolTip;
};

} // namespace tarvolin
