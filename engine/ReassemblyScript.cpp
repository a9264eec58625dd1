#include "ReassemblyScript.h"

#include "CheckedArithmetic.h"
#include "FileServices.h"
#include "NarrowEncoder.h"
#include "OutputFile.h"

#include <cstdint>
#include <string_view>

namespace tarvolin {

namespace {

// Characters of UTF-8 text as the interpreter counts them: UTF-16 units.
std::size_t characterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80)
            ++count;
        if ((byte & 0xF8) == 0xF0) // four-byte sequences need a surrogate pair
            ++count;
    }
    return count;
}

bool needsQuotes(char c)
{
    return std::string_view(" &()[]{}^=;!'+,`~").find(c) != std::string_view::npos;
}

constexpr std::string_view command = "COPY/B ";
constexpr std::string_view joined = "/B+";
constexpr std::string_view last = "/B";

} // namespace

std::string ReassemblyScript::bareName(const std::string& path)
{
    // Positions in the scan are 16-bit: a longer path cannot be scanned.
    std::int16_t position = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if ((static_cast<unsigned char>(path[i]) & 0xC0) != 0x80)
            position = checkedAdd(position, std::int16_t{1});
        if (path[i] == FileServices::separator)
            start = i + 1;
    }
    return path.substr(start);
}

std::string ReassemblyScript::quotedName(const std::string& bare)
{
    std::string written;
    bool quote = false;
    for (const char c : bare) {
        written += c;
        if (c == '%')
            written += '%';
        quote = quote || needsQuotes(c);
    }
    return quote ? "\"" + written + "\"" : written;
}

void ReassemblyScript::addPiece(const std::string& bareName)
{
    m_pieces.push_back(quotedName(bareName));
}

std::vector<std::string> ReassemblyScript::lines() const
{
    const std::string target = quotedName(m_target);
    // " target/B" closes every line.
    const std::string tail = " " + target + std::string(last);
    const std::string firstHead(command);
    const std::string appendHead = std::string(command) + target + std::string(joined);

    std::vector<std::string> result;
    std::size_t next = 0;
    while (next < m_pieces.size()) {
        std::string line = result.empty() ? firstHead : appendHead;
        std::size_t length = characterCount(line) + characterCount(tail);
        const std::size_t first = next;
        // Each piece costs its name and a "/B+" (the last one's "/B" is one shorter).
        while (next < m_pieces.size()) {
            const std::size_t cost = characterCount(m_pieces[next]) + joined.size();
            if (length + cost - 1 > maxLineLength)
                break;
            length += cost;
            ++next;
        }
        if (next == first)
            throw Failure("组装命令太长：文件名“" + m_pieces[first] + "”放不进一行命令");
        for (std::size_t i = first; i < next; ++i) {
            line += m_pieces[i];
            line += i + 1 < next ? joined : last;
        }
        result.push_back(line + tail);
    }
    return result;
}

void ReassemblyScript::write(const std::string& path, const NarrowEncoder& encoding) const
{
    std::string text;
    for (const std::string& line : lines())
        text += encoding.encode(line) + "\r\n";
    OutputFile script(path);
    script.write(text.data(), text.size());
    script.close();
}

} // namespace tarvolin
