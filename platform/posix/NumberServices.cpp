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

} // namespace tarvolin
