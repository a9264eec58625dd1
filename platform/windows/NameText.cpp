#include "platform/NameText.h"

namespace tarvolin {

// Windows keeps its names in UTF-16, which reach the program as UTF-8: a
// name is never in GBK bytes, and none is decoded.
bool NameText::detail::fromGb18030(const std::string&, std::string&)
{
    return false;
}

} // namespace tarvolin
