#include "ui/FontFit.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tarvolin {

namespace {

// The top of the highest control that frame holds, in twips; none when it
// holds none.
std::optional<int> firstTop(const layout::Window& table, const layout::Control& frame)
{
    std::optional<int> top;
    for (const layout::Control& c : table.controls) {
        if (c.container == frame.name)
            top = top ? std::min(*top, c.twips.top) : c.twips.top;
    }
    return top;
}

double ratio(int need, int room)
{
    return room > 0 ? static_cast<double>(need) / room : 1.0;
}

} // namespace

int FontFit::fittingDpi(const layout::Window& table, const Measure& measure)
{
    double scale = 1.0;
    for (const layout::Control& control : table.controls) {
        const Need need = measure(control);
        const layout::Rect room = control.pixels();
        scale = std::max({scale, ratio(need.width, room.width), ratio(need.height, room.height)});
        if (need.captionHeight > 0) {
            if (const std::optional<int> top = firstTop(table, control)) {
                const int strip = std::max(layout::twipsToPixels(*top), 1);
                scale = std::max(scale, ratio(need.captionHeight, strip));
            }
        }
    }
    return static_cast<int>(std::ceil(layout::defaultDpi * scale));
}

FontFit::Need FontFit::needed(layout::Kind kind, bool hasText, const Measures& m)
{
    switch (kind) {
    case layout::Kind::Label:
        return {hasText ? m.textWidth + 1 : 0, m.lineHeight};
    case layout::Kind::CommandButton:
        return {m.textWidth + 2 * m.border, m.lineHeight + m.border};
    case layout::Kind::TextBox:
    case layout::Kind::DriveList:
        return {0, std::max(m.fieldHeight, m.lineHeight) + m.border};
    case layout::Kind::Frame:
        return hasText ? Need{m.captionWidth, 0, m.lineHeight} : Need{};
    case layout::Kind::FolderList:
    case layout::Kind::FileList:
    case layout::Kind::Image:
        return {};
    }
    return {};
}

} // namespace tarvolin
