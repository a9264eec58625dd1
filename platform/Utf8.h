#pragma once

#include <cstddef>
#include <string>
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

// The letter c in upper or lower case when it is an ASCII letter; any
// other character (or byte) as it is.
template <typename Character> constexpr Character asciiUpper(Character c)
{
    return c >= 'a' && c <= 'z' ? static_cast<Character>(c - 'a' + 'A') : c;
}
template <typename Character> constexpr Character asciiLower(Character c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<Character>(c - 'A' + 'a') : c;
}

// The length of the well-formed sequence at text[at] (no overlong form, no
// surrogate, nothing beyond U+10FFFF), or 0.
std::size_t sequenceAt(std::string_view text, std::size_t at);

// The code point of the well-formed sequence at text[at], or 0 where none
// begins there; length, when given, receives the sequence's length (0 or
// more).
char32_t codePointAt(std::string_view text, std::size_t at, std::size_t* length = nullptr);

// True when all of text is well-formed sequences.
bool isWellFormed(std::string_view text);

// The characters of text, one a code point; a byte that begins no
// well-formed sequence stands for itself.
std::u32string codePoints(std::string_view text);

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
