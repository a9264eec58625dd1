#include "platform/NumberServices.h"

#include "platform/windows/WideText.h"

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

} // namespace tarvolin
