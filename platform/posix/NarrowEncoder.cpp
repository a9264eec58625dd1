#include "platform/NarrowEncoder.h"

#include "platform/Failure.h"
#include "platform/NameText.h"
#include "platform/Utf8.h"

#include <cerrno>
#include <iconv.h>

namespace tarvolin {

namespace {

// text converted from one character set to another by iconv; false when a
// character cannot be read or written (replacing it is no success either).
bool convert(const std::string& text, const std::string& from, const std::string& to,
             std::string& out)
{
    iconv_t cd = ::iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw Failure("系统不支持字符编码“" + from + "”或“" + to + "”");
    out.clear();
    char chunk[256];
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    bool converted = true;
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
        // glibc's CP936 fails on a character it cannot write (EILSEQ); other C
        // libraries may replace it and count it instead: none may be.
        if (failed || rc > 0) {
            converted = false;
            break;
        }
        if (flushing)
            break;
    }
    ::iconv_close(cd);
    return converted;
}

} // namespace

NarrowEncoder NarrowEncoder::forScript()
{
    return NarrowEncoder(936);
}

std::string NarrowEncoder::encode(const std::string& utf8) const
{
    // glibc's CPnnn tables are Windows' own (936 holds the euro sign at 0x80,
    // the middle dot at A1A4 and the em dash at A1AA, where GB2312 differs).
    const std::string codeset = "CP" + std::to_string(m_codePage);
    std::string out;
    if (Utf8::isWellFormed(utf8)) {
        if (!convert(utf8, "UTF-8", codeset, out))
            throwUnrepresentable(utf8);
        return out;
    }
    // Text that is not UTF-8 holds file names in the file system's own bytes
    // (GBK names from an archive, say): the script names those files only
    // when it carries the very bytes, and only when Windows reads them as text.
    if (!convert(utf8, codeset, "UTF-8", out))
        throw Failure("文件名" + NameText::quoted(utf8) + "既不是 UTF-8 文字，也不是代码页 " +
                      std::to_string(m_codePage) + " 的文字，无法写入组装文件，请先给文件改名");
    return utf8;
}

} // namespace tarvolin
