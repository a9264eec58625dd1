#pragma once

#include "ui/Layout.h"

#include <windows.h>

#include <functional>
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
// Twips become pixels at 96 dots per inch, then scale to the window's dots
// per inch; the font is the system's message font at that resolution, or a
// Chinese face at its height (ChineseFont).
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

    // Places the window's client area and every control, and sets the
    // font, for dpi dots per inch.
    void layOut(int dpi);

    // The window's rectangle on the screen for dpi: the table's client
    // area with the frame that style and extendedStyle give it.
    static RECT windowRect(const layout::Window& table, DWORD style, DWORD extendedStyle, int dpi);

    // The control's rectangle in the window's client area, in pixels at dpi.
    static RECT clientRect(const layout::Window& table, const layout::Control& control, int dpi);

    // Pixels at 96 dots per inch scaled to dpi.
    static int scaled(int pixels, int dpi) { return MulDiv(pixels, dpi, layout::defaultDpi); }

    HFONT font() const { return m_font; }

private:
    HWND m_window;
    const layout::Window& m_table;
    std::vector<HWND> m_controls; // by index in the table
    HFONT m_font = nullptr;
};

} // namespace tarvolin
