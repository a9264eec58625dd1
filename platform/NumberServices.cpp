#include "platform/NumberServices.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#ifdef _WIN32
#include "platform/WideText.h"
#include <windows.h>
#else
#include <langinfo.h>
#include <locale.h>
#endif

namespace tarvolin {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
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

std::string userDecimalSeparator()
{
    std::string separator = ".";
#ifdef _WIN32
    wchar_t wide[8] = {};
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, wide, 8);
    if (n > 1)
        separator = utf8Text(std::wstring_view(wide, static_cast<size_t>(n - 1)));
#else
    if (locale_t user = ::newlocale(LC_NUMERIC_MASK, "", nullptr)) {
        const char* radix = ::nl_langinfo_l(RADIXCHAR, user);
        if (radix != nullptr && *radix != '\0')
            separator = radix;
        ::freelocale(user);
    }
#endif
    return separator;
}

} // namespace

std::string NumberServices::decimalSeparator()
{
    // The user's settings are read once: the split asks for every piece.
    static const std::string separator = userDecimalSeparator();
    return separator;
}

std::optional<std::int32_t> NumberServices::numberFromText(const std::string& typed,
                                                           const std::string& separator)
{
    const std::string text = withAsciiDigits(typed);
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const std::string_view number(text.data() + begin, end - begin);

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
