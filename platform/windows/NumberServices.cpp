#include "platform/NumberServices.h"

#include "platform/windows/WideText.h"

#include <cwchar>
#include <windows.h>

namespace tarvolin {

std::string NumberServices::detail::userDecimalSeparator()
{
    std::string separator = ".";
    wchar_t wide[8] = {};
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, wide, 8);
    if (n > 1)
        separator = utf8Text(std::wstring_view(wide, static_cast<size_t>(n - 1)));
    return separator;
}

std::string NumberServices::percentText(double fraction)
{
    // The number in the invariant form that GetNumberFormatEx reads.
    wchar_t number[64];
    std::swprintf(number, 64, L"%.6f", fraction * 100.0);
    for (wchar_t& c : number)
        c = c == L',' ? L'.' : c;
    wchar_t shown[64];
    const int n = GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, number, nullptr, shown, 64);
    if (n <= 1)
        return percentText(fraction, decimalSeparator());
    return utf8Text(std::wstring_view(shown, static_cast<size_t>(n - 1))) + "%";
}

} // namespace tarvolin
