#include "platform/NameText.h"

#include <algorithm>

namespace tarvolin {

namespace {

// The length of the well-formed UTF-8 sequence at bytes[at], or 0.
size_t utf8SequenceAt(const std::string& bytes, size_t at)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // overlong below U+0800
        if (lead == 0xED)
            high = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90; // overlong below U+10000
        if (lead == 0xF4)
            high = 0x8F; // beyond U+10FFFF
    } else {
        return 0;
    }
    if (at + length > bytes.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    }
    return length;
}

bool isUtf8Text(const std::string& bytes)
{
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = utf8SequenceAt(bytes, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

// One piece of text: UTF-8 as it is, else GB18030, else U+FFFD for each
// byte that is not UTF-8.
std::string readablePiece(const std::string& bytes)
{
    if (isUtf8Text(bytes))
        return bytes;
    std::string decoded;
    if (NameText::detail::fromGb18030(bytes, decoded))
        return decoded;
    std::string shown;
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = utf8SequenceAt(bytes, at);
        if (length == 0) {
            shown += "\xEF\xBF\xBD";
            ++at;
        } else {
            shown.append(bytes, at, length);
            at += length;
        }
    }
    return shown;
}

} // namespace

std::string NameText::quoted(const std::string& bytes)
{
    std::string shown = "“";
    for (const char c : readable(bytes)) {
        const auto byte = static_cast<unsigned char>(c);
        // U+2400 to U+241F picture the codes 0 to 31, U+2421 the delete.
        if (byte < 0x20)
            shown += {'\xE2', '\x90', static_cast<char>(0x80 + byte)};
        else if (byte == 0x7F)
            shown += "\xE2\x90\xA1";
        else
            shown += c;
    }
    return shown + "”";
}

std::u32string NameText::codePoints(const std::string& utf8)
{
    std::u32string characters;
    for (size_t at = 0; at < utf8.size();) {
        const size_t length = std::max<size_t>(1, utf8SequenceAt(utf8, at));
        const auto lead = static_cast<unsigned char>(utf8[at]);
        // The lead byte's own bits, then six from each byte after it.
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t i = 1; i < length; ++i)
            c = (c << 6) | (static_cast<unsigned char>(utf8[at + i]) & 0x3F);
        characters += c;
        at += length;
    }
    return characters;
}

bool NameText::isUtf8(const std::string& bytes)
{
    return isUtf8Text(bytes);
}

std::string NameText::readable(const std::string& bytes)
{
    if (isUtf8(bytes))
        return bytes;
    // Bytes below 0x40 (blanks, "/", ":", ".", digits) are ASCII in UTF-8
    // and GBK alike and never the second byte of a GBK character: the text
    // is read piece by piece between them, so that a UTF-8 caption around a
    // GBK path reads right on both sides.
    std::string shown;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = start;
        while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) >= 0x40)
            ++end;
        shown += readablePiece(bytes.substr(start, end - start));
        while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x40)
            shown += bytes[end++];
        start = end;
    }
    return shown;
}

} // namespace tarvolin
