#include "platform/NarrowEncoder.h"

#include "platform/Failure.h"
#include "platform/NameText.h"

#ifdef _WIN32
#include "platform/WideText.h"
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#endif

namespace tarvolin {

namespace {

[[noreturn]] void throwUnrepresentable(const std::string& utf8, const std::string& codeset)
{
    throw Failure("“" + utf8 + "”中有字符无法用系统编码（" + codeset + "）写入组装文件");
}

} // namespace

#ifdef _WIN32

NarrowEncoder NarrowEncoder::forSystem()
{
    return NarrowEncoder();
}

std::string NarrowEncoder::encode(const std::string& utf8) const
{
    if (utf8.empty())
        return {};
    const std::wstring wide = wideText(utf8);
    const UINT codePage = GetACP();
    // UTF-7 and UTF-8 code pages take no best-fit flag and cannot fail to represent.
    const bool unicode = codePage == CP_UTF8 || codePage == CP_UTF7;
    const DWORD flags = unicode ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = unicode ? nullptr : &usedDefault;
    const int n = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, usedDefaultOut);
    std::string narrow(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), narrow.data(),
                        n, nullptr, usedDefaultOut);
    if (n <= 0 || usedDefault)
        throwUnrepresentable(utf8, "代码页 " + std::to_string(codePage));
    return narrow;
}

#else

NarrowEncoder NarrowEncoder::forSystem()
{
    std::string codeset = "ANSI_X3.4-1968";
    if (locale_t user = ::newlocale(LC_CTYPE_MASK, "", nullptr)) {
        codeset = ::nl_langinfo_l(CODESET, user);
        ::freelocale(user);
    }
    return NarrowEncoder(codeset);
}

std::string NarrowEncoder::encode(const std::string& utf8) const
{
    // Text that is not UTF-8 holds file names in the file system's own bytes
    // (GBK names from an archive, say): the script names those files only
    // when it carries the very bytes.
    if (!NameText::isUtf8(utf8))
        return utf8;
    iconv_t cd = ::iconv_open(m_codeset.c_str(), "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw Failure("系统不支持字符编码“" + m_codeset + "”");
    std::string out;
    char chunk[256];
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    bool representable = true;
    for (;;) {
        char* dst = chunk;
        size_t dstLeft = sizeof chunk;
        // Once the input is used up, one more call writes any closing shift sequence.
        const bool flushing = inLeft == 0;
        const size_t rc = flushing ? ::iconv(cd, nullptr, nullptr, &dst, &dstLeft)
                                   : ::iconv(cd, &in, &inLeft, &dst, &dstLeft);
        const bool failed = rc == static_cast<size_t>(-1);
        const int error = errno;
        out.append(chunk, static_cast<size_t>(dst - chunk));
        if (failed && error == E2BIG)
            continue;
        // glibc counts the characters it replaced instead of failing; none may be.
        if (failed || rc > 0) {
            representable = false;
            break;
        }
        if (flushing)
            break;
    }
    ::iconv_close(cd);
    if (!representable)
        throwUnrepresentable(utf8, m_codeset);
    return out;
}

#endif

} // namespace tarvolin
