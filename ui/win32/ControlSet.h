#pragma once

#include "ui/Layout.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace tarvolin {

// The controls of one window, built from its layout table: every control is
// a child of the window itself, placed at its container's offset plus its
// own, so a frame's controls lie over the frame. They are created in tab
// index order, which makes the focus order the table's; then the frames go
// to the bottom of the z-order, clipped by their siblings, so a frame that
// repaints on its own never paints over the controls inside it.
//
// The font is the system's message font at the window's dots per inch, or a
// Chinese face at its height (ChineseFont). Twips become pixels at 96 dots
// per inch, then scale to the least resolution, the window's at least, at
// which every caption, button and field shows its text whole in that font
// (FontFit): a large text size grows the window as a whole.
class ControlSet
{
public:
    // Creates the controls of table in window. make creates the controls of
    // the kinds it knows (the lists) and returns null for the others, which
    // get the system's own control of their kind.
    using Maker = std::function<HWND(const layout::Control&, int id)>;
    ControlSet(HWND window, const layout::Window& table, const Maker& make = {});
    ~ControlSet();
    ControlSet(const ControlSet&) = delete;
    ControlSet& operator=(const ControlSet&) = delete;

    // The control named name; the name must be in the table.
    HWND operator[](std::string_view name) const;
    // The control's id, which its notifications carry.
    int id(std::string_view name) const;
    // The name of the control whose id is id; empty for none.
    std::string_view nameOf(int id) const;

    // Sets the font for a window at dpi dots per inch and places every
    // control at the scale that font needs (layoutDpi).
    void layOut(int dpi);

    // The dots per inch the controls are placed at: the window's, or more
    // where its font needs more room.
    int layoutDpi() const { return m_layoutDpi; }
    // The window's dots per inch at the last layOut, which the font is for.
    int dpi() const { return m_dpi; }

    // The window's rectangle on the screen: the table's client area at
    // layoutDpi with the window's frame at its own dots per inch, placed
    // where the table puts it, or nearer the top left corner where that
    // keeps it on its monitor's work area.
    RECT windowRect() const;

    // Gives the window windowRect's size, its top left corner at topLeft,
    // or at windowRect's place without one.
    void placeWindow(std::optional<POINT> topLeft = {}) const;

    // Follows a change of the window's dots per inch (WM_DPICHANGED, to the
    // place the system suggests) or of the user's text size
    // (WM_SETTINGCHANGE for the non-client metrics, where the window
    // stands): lays the controls out anew and resizes the window. True when
    // the message was such a change; other messages change nothing.
    bool followDisplayChange(UINT message, WPARAM wParam, LPARAM lParam);

    // The style of a top-level window with the table's border: a title bar,
    // a sizing or a fixed single border, and the boxes the table names. The
    // close box comes with the system menu.
    static DWORD windowStyle(const layout::Border& border);

    // The control's rectangle in the window's client area, in pixels at dpi.
    static RECT clientRect(const layout::Window& table, const layout::Control& control, int dpi);

    // How far in from each end of a frame's top line its caption may reach,
    // in pixels at 96 dots per inch.
    static constexpr int captionInset = 8;

    // Pixels at 96 dots per inch scaled to dpi.
    static int scaled(int pixels, int dpi) { return MulDiv(pixels, dpi, layout::defaultDpi); }

    HFONT font() const { return m_font; }

private:
    HWND m_window;
    const layout::Window& m_table;
    std::vector<HWND> m_controls; // by index in the table
    HFONT m_font = nullptr;
    int m_dpi = layout::defaultDpi;
    int m_layoutDpi = layout::defaultDpi;
};

} // namespace tarvolin
