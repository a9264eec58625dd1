#include "platform/NarrowEncoder.h"

#include "platform/windows/WideText.h"

#include <windows.h>

namespace tarvolin {

NarrowEncoder NarrowEncoder::forScript()
{
    return NarrowEncoder(GetOEMCP());
}

std::string NarrowEncoder::encode(const std::string& utf8) const
{
    if (utf8.empty())
        return {};
    const std::wstring wide = wideText(utf8);
    // UTF-7 and UTF-8 code pages take no best-fit flag and cannot fail to represent.
    const bool unicode = m_codePage == CP_UTF8 || m_codePage == CP_UTF7;
    const DWORD flags = unicode ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = unicode ? nullptr : &usedDefault;
    const int n = WideCharToMultiByte(m_codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, usedDefaultOut);
    std::string narrow(static_cast<size_t>(n > 0 ? n : 0), '\0');
    WideCharToMultiByte(m_codePage, flags, wide.data(), static_cast<int>(wide.size()),
                        narrow.data(), n, nullptr, usedDefaultOut);
    if (n <= 0 || usedDefault)
        throwUnrepresentable(utf8);
    return narrow;
}

} // namespace tarvolin
