#pragma once

#include <cstddef>
#include <string_view>

namespace tarvolin {

// Scanning UTF-8 text: where characters begin, which sequences are well
// formed, and the code points they stand for.
namespace Utf8 {

// True for a byte that begins a character: any byte but a continuation.
constexpr bool startsCharacter(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

// The length of the well-formed sequence at text[at] (no overlong form, no
// surrogate, nothing beyond U+10FFFF), or 0.
std::size_t sequenceAt(std::string_view text, std::size_t at);

// The code point of the well-formed sequence at text[at], or 0 where none
// begins there; length, when given, receives the sequence's length (0 or
// more).
char32_t codePointAt(std::string_view text, std::size_t at, std::size_t* length = nullptr);

// The characters of text as Windows counts them, in UTF-16 units: a code
// point beyond U+FFFF counts twice.
std::size_t utf16Length(std::string_view text);

// True for the Unicode blanks (White_Space): ASCII blanks and line ends,
// the next line, the no-break and typographic spaces, the line and
// paragraph separators and the ideographic space that Chinese input
// methods type.
bool isBlank(char32_t c);

} // namespace Utf8

} // namespace tarvolin
