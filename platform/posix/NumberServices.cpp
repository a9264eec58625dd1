#include "platform/NumberServices.h"

#include <langinfo.h>
#include <locale.h>

namespace tarvolin {

std::string NumberServices::detail::userDecimalSeparator()
{
    std::string separator = ".";
    if (locale_t user = ::newlocale(LC_NUMERIC_MASK, "", nullptr)) {
        const char* radix = ::nl_langinfo_l(RADIXCHAR, user);
        if (radix != nullptr && *radix != '\0')
            separator = radix;
        ::freelocale(user);
    }
    return separator;
}

std::string NumberServices::percentText(double fraction)
{
    // No percentage reaches 1000: the locale's grouping never shows.
    return percentText(fraction, decimalSeparator());
}

} // namespace tarvolin
