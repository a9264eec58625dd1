#include "platform/Utf8.h"

namespace tarvolin {

std::size_t Utf8::sequenceAt(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
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
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    }
    return length;
}

char32_t Utf8::codePointAt(std::string_view text, std::size_t at, std::size_t* length)
{
    const std::size_t found = sequenceAt(text, at);
    if (length)
        *length = found;
    if (found == 0)
        return 0;
    const auto lead = static_cast<unsigned char>(text[at]);
    if (found == 1)
        return lead;
    char32_t c = lead & (0x7F >> found);
    for (std::size_t i = 1; i < found; ++i)
        c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    return c;
}

std::size_t Utf8::utf16Length(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text) {
        if (startsCharacter(c))
            ++count;
        if ((static_cast<unsigned char>(c) & 0xF8) == 0xF0) // a surrogate pair
            ++count;
    }
    return count;
}

bool Utf8::isBlank(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

bool Utf8::isWellFormed(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = sequenceAt(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::u32string Utf8::codePoints(std::string_view text)
{
    std::u32string characters;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 0;
        const char32_t c = codePointAt(text, at, &length);
        characters += length > 0 ? c : static_cast<unsigned char>(text[at]);
        at += length > 0 ? length : 1;
    }
    return characters;
}

} // namespace tarvolin
