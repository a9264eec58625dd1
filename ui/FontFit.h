#pragma once

#include "ui/Layout.h"

#include <functional>

namespace tarvolin {

// How a window built from its stored layout grows with its font: the least
// dots per inch, 96 at least, at which every control has room for its text.
// All rectangles and the client area scale alike, so the window keeps its
// proportions and grows as a whole. Plain C++: each toolkit measures the
// texts in its own font and gives the room they need.
namespace FontFit {

// The room a control needs for its text, in pixels; 0 where it needs
// none (a list scrolls, a text box scrolls sideways, an image keeps its
// size).
struct Need
{
    int width = 0;
    int height = 0;
    // A frame's caption line, which stands in the room above the
    // controls the frame holds; 0 for a frame without caption.
    int captionHeight = 0;
};
using Measure = std::function<Need(const layout::Control& control)>;

// What a toolkit measures of one control in its font, in pixels.
struct Measures
{
    int textWidth = 0;  // the control's text on one line
    int lineHeight = 0; // a line of its text, fallback characters included
    // What the control's border adds around its text, across and down (a
    // button's raised one, a field's sunken one); 0 where the field below
    // already holds it.
    int border = 0;
    // A field's own height as the toolkit sizes it to the font (a text
    // box's, the drive list's selection field); 0 where it tells none.
    int fieldHeight = 0;
    // A frame's caption with the room the frame keeps on both sides of it.
    int captionWidth = 0;
};

// The room a control of kind needs from what was measured: a label its
// text (when it has one) on one line; a button its text inside its
// border; a text box or the drive list its field or one line, inside its
// border; a frame its caption, whose line stands above the controls it
// holds; a list or the image nothing.
Need needed(layout::Kind kind, bool hasText, const Measures& measured);

// The least dots per inch, 96 at least, at which each control of table
// gets the room measure says it needs.
int fittingDpi(const layout::Window& table, const Measure& measure);

} // namespace FontFit

} // namespace tarvolin
