#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarvolin {

// Numbers as the user's regional settings write them.
namespace NumberServices {

// The user's decimal separator, for example "." or ",".
std::string decimalSeparator();

// A 32-bit number from text: blanks around it ignored (every Unicode
// blank, the ideographic space U+3000 too), an optional sign,
// decimal digits, optionally the decimal separator and further digits;
// a fraction is rounded to the nearest integer, an exact half to the even
// one. Full-width digits (０..９) count as the digits 0..9. Empty text, anything else, or a
// value outside the 32-bit range gives no number.
std::optional<std::int32_t> numberFromText(const std::string& text, const std::string& separator);
inline std::optional<std::int32_t> numberFromText(const std::string& text)
{
    return numberFromText(text, decimalSeparator());
}

// fraction × 100 with two decimals and a percent sign: 1.0 / 3 gives
// "33.33%" (with the given decimal separator in place of ".").
std::string percentText(double fraction, const std::string& separator);

// fraction × 100 as the user's settings write numbers, and a percent sign:
// on Windows their decimals, separator, leading zero and grouping ("33.33%",
// "33%" with no decimals, ".50%" with no leading zero); elsewhere two
// decimals and the locale's separator.
std::string percentText(double fraction);

// Plain decimal digits, a minus sign for a negative number, no grouping.
inline std::string decimalText(std::int64_t value)
{
    return std::to_string(value);
}

namespace detail {

// The decimal separator of the user's settings, read from the system each
// time (platform/posix, platform/windows); "." when they name none.
std::string userDecimalSeparator();

} // namespace detail

} // namespace NumberServices

} // namespace tarvolin
