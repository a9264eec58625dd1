#include "engine/ReassemblyScript.h"

#include "platform/Failure.h"
#include "platform/NameText.h"
#include "platform/NarrowEncoder.h"
#include "platform/OutputFile.h"
#include "platform/Utf8.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvolin {

namespace {

// Whether the interpreter must read the name in quotes: it holds a blank,
// ASCII or Unicode, or one of & ( ) [ ] { } ^ = ; ! ' + , ` ~. A name that
// is not UTF-8 is GBK bytes, read a character at a time: its ideographic
// space is A1 A1, and the second byte of a character is no ASCII sign.
bool needsQuotes(const std::string& bare)
{
    const bool utf8 = Utf8::isWellFormed(bare);
    for (std::size_t i = 0; i < bare.size();) {
        const auto byte = static_cast<unsigned char>(bare[i]);
        if (byte < 0x80) {
            if (std::string_view(" \t&()[]{}^=;!'+,`~").find(bare[i]) != std::string_view::npos)
                return true;
            ++i;
        } else if (utf8) {
            std::size_t length = 0;
            if (Utf8::isBlank(Utf8::codePointAt(bare, i, &length)))
                return true;
            i += length;
        } else if (byte >= 0x81 && byte <= 0xFE && i + 1 < bare.size()) {
            if (byte == 0xA1 && static_cast<unsigned char>(bare[i + 1]) == 0xA1)
                return true;
            i += 2;
        } else {
            ++i;
        }
    }
    return false;
}

// The devices Windows opens under a file's name, whatever follows its first
// dot ("nul.000"; "CON.bin" on many versions): a script would join the
// pieces into the device, and no piece could bear the name. The name before
// the first dot, without the blanks at its end, in any case; COM and LPT
// take the digits 0 to 9 and the superscripts ¹ ² ³, as Windows' rules for
// file names list them, and CONIN$ and CONOUT$ name the console.
std::optional<std::string> deviceNameIn(const std::string& bare)
{
    std::string stem = bare.substr(0, bare.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.pop_back();
    std::string upper = stem;
    for (char& c : upper)
        c = Utf8::asciiUpper(c);
    const std::string_view head = std::string_view(upper).substr(0, 3);
    const std::string_view number = std::string_view(upper).substr(head.size());
    const bool device =
        ((head == "CON" || head == "PRN" || head == "AUX" || head == "NUL") && number.empty()) ||
        upper == "CONIN$" || upper == "CONOUT$" ||
        ((head == "COM" || head == "LPT") &&
         ((number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\u00B9" ||
          number == "\u00B2" || number == "\u00B3"));
    return device ? std::optional<std::string>(stem) : std::nullopt;
}

// Characters that no Windows file name holds. Elsewhere a name may hold ":"
// and "\" too, but neither its pieces nor its script could be used under it
// on Windows.
#ifdef _WIN32
constexpr std::string_view forbidden = "\"<>|*?";
#else
constexpr std::string_view forbidden = "\"<>|*?:\\";
#endif

constexpr std::string_view command = "COPY/B ";
constexpr std::string_view joined = "/B+";
constexpr std::string_view last = "/B";

} // namespace

void ReassemblyScript::checkTarget(const std::string& bare)
{
    if (bare.empty())
        throw Failure("分割后的文件没有名字：请在文件列表中重新选择要分割的文件");
    // Characters, not bytes: the second byte of a GBK character may be "|" or "\".
    for (const char c : NameText::readable(bare)) {
        const auto byte = static_cast<unsigned char>(c);
        std::string what;
        if (byte == '\r')
            what = "回车符";
        else if (byte == '\n')
            what = "换行符";
        else if (byte == '\t')
            what = "制表符";
        else if (byte < 0x20 || byte == 0x7F)
            what = "控制字符（代码 " + std::to_string(byte) + "）";
        else if (forbidden.find(c) != std::string_view::npos)
            what = std::string("字符“") + c + "”";
        else
            continue;
        throw Failure("文件名" + NameText::quoted(bare) + "中的" + what +
                      "不能写入组装文件，请先给文件改名");
    }
    // Every piece and the script begin with the target's name and a dot.
    if (const std::optional<std::string> device = deviceNameIn(bare))
        throw Failure("文件名" + NameText::quoted(bare) + "在 Windows 上是设备名“" + *device +
                      "”，无法组装成文件，请先给文件改名");
}

std::string ReassemblyScript::quotedName(const std::string& bare)
{
    std::string written;
    for (const char c : bare) {
        written += c;
        if (c == '%')
            written += '%';
    }
    return needsQuotes(bare) ? "\"" + written + "\"" : written;
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
        std::size_t length = Utf8::utf16Length(line) + Utf8::utf16Length(tail);
        const std::size_t first = next;
        // Each piece costs its name and a "/B+" (the last one's "/B" is one shorter).
        while (next < m_pieces.size()) {
            const std::size_t cost = Utf8::utf16Length(m_pieces[next]) + joined.size();
            if (length + cost - 1 > maxLineLength)
                break;
            length += cost;
            ++next;
        }
        if (next == first)
            throw Failure("组装命令太长：文件名" + NameText::quoted(m_pieces[first]) +
                          "放不进一行命令");
        for (std::size_t i = first; i < next; ++i) {
            line += m_pieces[i];
            line += i + 1 < next ? joined : last;
        }
        result.push_back(line + tail);
    }
    return result;
}

std::string ReassemblyScript::encoded(const NarrowEncoder& encoding) const
{
    // Every name in the lines is the target's name and a suffix: what the
    // encoding cannot hold shows in the name alone.
    encoding.encode(m_target);
    std::string text;
    for (const std::string& line : lines())
        text += encoding.encode(line) + "\r\n";
    return text;
}

void ReassemblyScript::write(const std::string& path, const std::string& bytes,
                             std::optional<OpenFile::Identity> keep, const OutputFile::Check& check)
{
    OutputFile script(path, keep, check);
    try {
        script.write(bytes.data(), bytes.size());
        script.flush();
        script.close();
    } catch (const Failure&) {
        // A cut line would append every piece it names onto the first one:
        // the script is emptied, on its open handle or (a failed close has
        // released it) opened again, which empties it, as far as the disk lets.
        try {
            if (script.isOpen())
                script.empty();
            else
                OutputFile(path, keep, check).flush();
        } catch (const Failure&) {
        }
        throw;
    }
}

} // namespace tarvolin
