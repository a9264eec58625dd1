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

// The least dots per inch, 96 at least, at which each control of table
// gets the room measure says it needs.
int fittingDpi(const layout::Window& table, const Measure& measure);

} // namespace FontFit

} // namespace tarvolin
