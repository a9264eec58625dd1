#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

// How a text that ends in a path is shortened to the room a control has:
// a source path, or a progress caption such as
// "正在处理:/home/a/movie.avi.003 45.00%". Whatever stands after the last
// separator ('/' or '\') - the file name, and in a caption the percentage -
// is kept whole, and so is the start; "…" takes the place of the middle of
// the folders. When even that part does not fit, the middle of the whole
// text gives way instead. A text that fits comes back as it is.
//
// Texts are UTF-8 and are cut only between characters. Each toolkit
// supplies its own measure of a text, in whatever unit its width is given.
class PathShortening
{
public:
    using TextWidth = std::function<int(std::string_view utf8)>;

    explicit PathShortening(TextWidth textWidth);

    // text shortened to width as above.
    std::string shortened(std::string_view text, int width) const;

    // text shortened to width by putting "…" in its middle, as many
    // characters kept at its start as at its end; empty when not even "…"
    // fits.
    std::string middleShortened(std::string_view text, int width) const;

    // The lines of the tooltip of a control that shows a path and may have
    // its own tooltip (Lab1: the file's length): the whole path first where
    // the control shows it shortened, then the control's own tooltip, if any.
    static std::vector<std::string> toolTipLines(const std::string& path, bool shortened,
                                                 const std::string& toolTip);

private:
    TextWidth m_textWidth;
};

} // namespace tarvolin
