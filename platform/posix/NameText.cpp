#include "platform/NameText.h"

#include <iconv.h>

namespace tarvolin {

namespace {

bool decoded(const char* codeset, const std::string& bytes, std::string& utf8)
{
    iconv_t cd = ::iconv_open("UTF-8", codeset);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string out(bytes.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    const size_t rc = ::iconv(cd, &in, &inLeft, &dst, &dstLeft);
    ::iconv_close(cd);
    if (rc == static_cast<size_t>(-1) || rc > 0 || inLeft != 0)
        return false;
    out.resize(out.size() - dstLeft);
    utf8 = std::move(out);
    return true;
}

} // namespace

bool NameText::detail::fromGb18030(const std::string& bytes, std::string& utf8)
{
    // Windows' code page 936 holds the euro sign at 0x80, where GB18030 has none.
    return decoded("GB18030", bytes, utf8) || decoded("CP936", bytes, utf8);
}

} // namespace tarvolin
