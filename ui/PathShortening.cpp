#include "ui/PathShortening.h"

#include "platform/Utf8.h"

#include <utility>
#include <vector>

namespace tarvolin {

namespace {

constexpr std::string_view ellipsis = "\xE2\x80\xA6"; // "…", U+2026

// The byte offsets at which each character of a UTF-8 text begins, and its end.
std::vector<size_t> characterStarts(std::string_view text)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i) {
        if (Utf8::startsCharacter(text[i]))
            starts.push_back(i);
    }
    starts.push_back(text.size());
    return starts;
}

} // namespace

PathShortening::PathShortening(TextWidth textWidth) : m_textWidth(std::move(textWidth)) {}

std::string PathShortening::middleShortened(std::string_view text, int width) const
{
    if (m_textWidth(text) <= width)
        return std::string(text);
    const int room = width - m_textWidth(ellipsis);
    if (room < 0)
        return {};
    // The most characters kept at each end whose widths leave room to spare.
    const std::vector<size_t> starts = characterStarts(text);
    const size_t count = starts.size() - 1;
    auto keeps = [&](size_t kept) {
        return m_textWidth(text.substr(0, starts[kept])) +
                   m_textWidth(text.substr(starts[count - kept])) <
               room;
    };
    size_t low = 0;                                    // keeps(low) holds
    size_t high = count > 0 ? (count - 1) / 2 + 1 : 0; // keeps(high) fails, or high is too many
    while (high - low > 1) {
        const size_t middle = low + (high - low) / 2;
        (keeps(middle) ? low : high) = middle;
    }
    return std::string(text.substr(0, starts[low])) + std::string(ellipsis) +
           std::string(text.substr(starts[count - low]));
}

std::string PathShortening::shortened(std::string_view text, int width) const
{
    if (m_textWidth(text) <= width)
        return std::string(text);
    const size_t separator = text.find_last_of("/\\");
    const size_t tailStart = separator == std::string_view::npos ? 0 : separator + 1;
    const std::string_view tail = text.substr(tailStart);
    // One unit of slack: the width of two parts may exceed their sum.
    const int headWidth = width - m_textWidth(tail) - 1;
    if (tailStart > 0 && headWidth > m_textWidth(ellipsis)) {
        const std::string head = middleShortened(text.substr(0, tailStart), headWidth);
        if (!head.empty() && head != ellipsis)
            return head + std::string(tail);
    }
    return middleShortened(text, width);
}

std::vector<std::string> PathShortening::toolTipLines(const std::string& path, bool shortened,
                                                      const std::string& toolTip)
{
    std::vector<std::string> lines;
    if (shortened)
        lines.push_back(path);
    if (!toolTip.empty())
        lines.push_back(toolTip);
    return lines;
}

} // namespace tarvolin
