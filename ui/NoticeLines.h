#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tarvolin {

// How a notice lays out its lines in the room a notice has on the screen.
// A notice names its files by their whole paths, and a path of a few
// hundred characters has no space for the notice to break it at: it would
// make the notice wider than the screen and run off its edge. A line wider
// than the room breaks after a separator ('/' or '\') or a space, as many
// parts on each line as fit, so the start and the end of a path and every
// folder that fits stay readable whole; a part wider than the room alone
// breaks between characters. Lines that fit, and the breaks a text has,
// stay as they are; what a break adds is "\r\n", the notices' own line end.
//
// Texts are UTF-8 and are cut only between characters. Each toolkit
// supplies its own measure of a text, in whatever unit its width is given.
class NoticeLines
{
public:
    using TextWidth = std::function<int(std::string_view utf8)>;

    // The widest a line of a notice may be on a screen screenWidth wide.
    static int widthOn(int screenWidth) { return screenWidth / 2; }

    explicit NoticeLines(TextWidth textWidth);

    // text with every line wider than width broken as above.
    std::string wrapped(std::string_view text, int width) const;

private:
    std::string wrappedLine(std::string_view line, int width) const;

    TextWidth m_textWidth;
};

} // namespace tarvolin
