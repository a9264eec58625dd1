#include "platform/NumberServices.h"

#include "platform/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace tarvolin {

namespace {

// text without the blanks before and after it.
std::string_view withoutBlanks(std::string_view text)
{
    while (!text.empty()) {
        size_t length = 0;
        if (!Utf8::isBlank(Utf8::codePointAt(text, 0, &length)))
            break;
        text.remove_prefix(length);
    }
    while (!text.empty()) {
        size_t start = text.size() - 1;
        while (start > 0 && text.size() - start < 4 && !Utf8::startsCharacter(text[start]))
            --start;
        size_t length = 0;
        if (!Utf8::isBlank(Utf8::codePointAt(text, start, &length)) ||
            start + length != text.size())
            break;
        text.remove_suffix(text.size() - start);
    }
    return text;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Chinese input methods type the full-width digits U+FF10..U+FF19 (UTF-8
// EF BC 90..EF BC 99); they stand for the same digits as 0..9.
std::string withAsciiDigits(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (i + 2 < text.size() && text[i] == '\xEF' && text[i + 1] == '\xBC' &&
            text[i + 2] >= '\x90' && text[i + 2] <= '\x99') {
            out += static_cast<char>('0' + (text[i + 2] - '\x90'));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

std::string NumberServices::decimalSeparator()
{
    // The user's settings are read once: the split asks for every piece.
    static const std::string separator = detail::userDecimalSeparator();
    return separator;
}

std::optional<std::int32_t> NumberServices::numberFromText(const std::string& typed,
                                                           const std::string& separator)
{
    const std::string text = withAsciiDigits(typed);
    const std::string_view number = withoutBlanks(text);

    size_t at = 0;
    bool negative = false;
    if (at < number.size() && (number[at] == '+' || number[at] == '-'))
        negative = number[at++] == '-';

    // The magnitude saturates just past the range, which is enough to refuse it.
    constexpr std::int64_t beyond = std::int64_t{INT32_MAX} + 2;
    std::int64_t magnitude = 0;
    size_t digits = 0;
    for (; at < number.size() && isDigit(number[at]); ++at, ++digits)
        magnitude = std::min(beyond, magnitude * 10 + (number[at] - '0'));

    // Fraction: its first digit and whether anything non-zero follows decide the rounding.
    int firstFractionDigit = 0;
    bool restNonZero = false;
    if (!separator.empty() && number.substr(at, separator.size()) == separator) {
        at += separator.size();
        for (size_t place = 0; at < number.size() && isDigit(number[at]); ++at, ++place, ++digits) {
            if (place == 0)
                firstFractionDigit = number[at] - '0';
            else if (number[at] != '0')
                restNonZero = true;
        }
    }
    if (digits == 0 || at != number.size())
        return std::nullopt;

    const bool roundUp = firstFractionDigit > 5 || (firstFractionDigit == 5 && restNonZero) ||
                         (firstFractionDigit == 5 && magnitude % 2 == 1);
    if (roundUp)
        magnitude = std::min(beyond, magnitude + 1);

    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string NumberServices::percentText(double fraction, const std::string& separator)
{
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.2f", fraction * 100.0);
    std::string text(digits);
    // snprintf writes the C locale's point unless LC_NUMERIC says otherwise;
    // either way it is replaced by the user's separator.
    const size_t point = text.find_first_of(".,");
    if (point != std::string::npos)
        text.replace(point, 1, separator);
    return text + "%";
}

} // namespace tarvolin
