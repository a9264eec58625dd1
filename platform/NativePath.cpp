#include "platform/NativePath.h"

#ifdef _WIN32
#include "platform/WideText.h"

namespace tarvolin {

std::wstring widePath(const std::string& utf8)
{
    return wideText(utf8);
}

} // namespace tarvolin
#endif
