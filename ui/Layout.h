#pragma once

// The stored layouts of the two windows, Form1 and Form2, in twips: one
// table that every front-end builds its windows from and every test reads.
// Plain C++, no toolkit. Texts are UTF-8.

#include <span>
#include <string_view>
#include <vector>

namespace tarvolin::layout {

// 1440 twips make an inch; at 96 dots per inch 15 twips make one pixel.
constexpr int twipsPerInch = 1440;
constexpr int defaultDpi = 96;

// twips at dpi dots per inch, rounded to the nearest pixel (an exact half
// away from zero, as MulDiv does): twipsToPixels(130) is 9,
// twipsToPixels(-60) is -4, twipsToPixels(1935, 144) is 194.
constexpr int twipsToPixels(int twips, int dpi = defaultDpi)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = twipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / twipsPerInch
                                        : (scaled - half) / twipsPerInch);
}

enum class Kind {
    Frame,         // a captioned (or plain) etched box that holds controls
    Label,         // a caption the user cannot edit; never takes the focus
    TextBox,       // single-line, editable, left-aligned, no length limit
    CommandButton, // neither default nor cancel; no mnemonic
    DriveList,     // drop-down list of the drives
    FolderList,    // the folders of the open path
    FileList,      // the files of one folder, single selection
    Image,         // a picture at its own size (the emblem)
};

// Whether a control of this kind can take the keyboard focus.
constexpr bool takesFocus(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::CommandButton || kind == Kind::DriveList ||
           kind == Kind::FolderList || kind == Kind::FileList;
}

// A position and size, in twips or in pixels.
struct Rect
{
    int left;
    int top;
    int width;
    int height;

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

constexpr Rect toPixels(const Rect& twips, int dpi = defaultDpi)
{
    return {twipsToPixels(twips.left, dpi), twipsToPixels(twips.top, dpi),
            twipsToPixels(twips.width, dpi), twipsToPixels(twips.height, dpi)};
}

constexpr int noTabIndex = -1;

struct Control
{
    std::string_view name; // as the program names it: "Drive1", "command2", ...
    Kind kind;
    std::string_view container; // a window's name or a frame's name
    std::string_view text;      // caption or initial text; empty for none
    Rect twips;                 // from the top-left corner of the container
    int tabIndex;               // noTabIndex for the image
    // What a screen reader names it by, beside its own caption: the label
    // that names it (the label's name in the table), or a name that is
    // spoken only, never drawn. Empty for neither.
    std::string_view labelledBy = {};
    std::string_view spokenName = {};

    constexpr Rect pixels(int dpi = defaultDpi) const { return toPixels(twips, dpi); }
};

// The window's border and the boxes of its title bar (a group box is a
// control of Kind::Frame, not this).
struct Border
{
    bool sizable;    // sizable border; otherwise a fixed single border
    bool systemMenu; // the icon's system menu in the title bar
    bool minimizeBox;
    bool maximizeBox;
    bool closeBox;
};

struct Window
{
    std::string_view name;
    std::string_view caption;
    Rect client; // client area: its top-left corner on the screen and its size
    Border border;
    std::span<const Control> controls; // in the stored order, containers first

    // The control named name; nullptr when the window has none.
    const Control* find(std::string_view controlName) const;
    // The control named name; the name must exist.
    const Control& control(std::string_view controlName) const;

    // The name a screen reader gives c: its spoken name, else the caption
    // of the label that names it, else its own caption ("开始分割").
    std::string_view accessibleName(const Control& c) const;

    // The control's place measured from the window's client area rather
    // than from its container (for a toolkit whose frames hold no child
    // windows), in twips.
    Rect twipsInClient(const Control& c) const;

    // The same in pixels at dpi, each container's offset rounded on its own,
    // so it lands exactly where the control lies when each frame is a child
    // window placed at its own rounded pixels.
    Rect pixelsInClient(const Control& c, int dpi = defaultDpi) const;
};

// The main window and the About window; constant-initialized, so they may be
// read during static initialization.
extern const Window form1;
extern const Window form2;

// The emblem's stored size (Form2's Image1 shows the picture unscaled).
constexpr int emblemWidth = 34;  // pixels
constexpr int emblemHeight = 33; // pixels

// Every control of window in tab order, those of one tab index (the
// image's noTabIndex) in their stored order.
std::vector<const Control*> tabOrder(const Window& window);

// The controls of window that take the focus, in tab order: for Form1
// Command3, Drive1, Dir1, File1, Text1, Text2, Command1, command2.
std::vector<const Control*> focusOrder(const Window& window);

} // namespace tarvolin::layout
