#include "ui/NoticeLines.h"

#include "platform/Utf8.h"

#include <utility>

namespace tarvolin {

namespace {

constexpr std::string_view lineBreak = "\r\n";

// The length of the part of text that starts it: up to and including its
// first separator or space, or the whole text.
size_t partLength(std::string_view text)
{
    const size_t end = text.find_first_of("/\\ ");
    return end == std::string_view::npos ? text.size() : end + 1;
}

// The length of the character that starts text.
size_t characterLength(std::string_view text)
{
    size_t length = 1;
    while (length < text.size() && !Utf8::startsCharacter(text[length]))
        ++length;
    return length;
}

} // namespace

NoticeLines::NoticeLines(TextWidth textWidth) : m_textWidth(std::move(textWidth)) {}

std::string NoticeLines::wrapped(std::string_view text, int width) const
{
    std::string lines;
    for (size_t start = 0;;) {
        const size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end - start);
        const bool carriageReturn = line.ends_with('\r');
        if (carriageReturn)
            line.remove_suffix(1);
        lines += wrappedLine(line, width);
        if (end == std::string_view::npos)
            return lines;
        lines += carriageReturn ? "\r\n" : "\n";
        start = end + 1;
    }
}

std::string NoticeLines::wrappedLine(std::string_view line, int width) const
{
    if (m_textWidth(line) <= width)
        return std::string(line);
    std::string lines;
    std::string current;
    // Adds piece to the line being filled, or to a new line where it does
    // not fit on that one.
    const auto add = [&](std::string_view piece) {
        if (!current.empty() && m_textWidth(current + std::string(piece)) > width) {
            lines += current + std::string(lineBreak);
            current.clear();
        }
        current += piece;
    };
    while (!line.empty()) {
        const std::string_view part = line.substr(0, partLength(line));
        line.remove_prefix(part.size());
        if (m_textWidth(part) <= width) {
            add(part);
            continue;
        }
        for (std::string_view rest = part; !rest.empty();) {
            const std::string_view character = rest.substr(0, characterLength(rest));
            rest.remove_prefix(character.size());
            add(character);
        }
    }
    return lines + current;
}

} // namespace tarvolin
