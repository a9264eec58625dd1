#pragma once

#include <string>

namespace tarvolin {

// Converts UTF-8 text to the narrow encoding that the system's command
// interpreter reads: the ANSI code page on Windows, the locale's character
// set elsewhere.
class NarrowEncoder
{
public:
    // The system's encoding (on POSIX systems the character set of the
    // user's locale as the environment sets it).
    static NarrowEncoder forSystem();

#ifndef _WIN32
    // A named character set as iconv knows it, for example "GBK" or "UTF-8".
    explicit NarrowEncoder(std::string codeset) : m_codeset(std::move(codeset)) {}
    const std::string& codeset() const
    {
        return m_codeset;
    }
#endif

    // The text in the narrow encoding. A character that the encoding cannot
    // represent is a failure that names the text. Elsewhere than on Windows,
    // bytes that are not UTF-8 are names in the file system's own bytes and
    // come back unchanged.
    std::string encode(const std::string& utf8) const;

private:
#ifdef _WIN32
    NarrowEncoder() = default;
#else
    std::string m_codeset;
#endif
};

} // namespace tarvolin
