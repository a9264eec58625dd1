#pragma once

#include <string>

namespace tarvolin {

// Converts UTF-8 text to a Windows code page: the joining script's bytes as
// the command interpreter that runs it reads them.
class NarrowEncoder
{
public:
    // The code page of the script. On Windows the console's (OEM) code page,
    // in which cmd.exe reads a batch file: 936 on Simplified Chinese Windows,
    // 850 or 437 on Western Windows, where the ANSI code page differs.
    // Elsewhere 936 whatever the locale: the script only ever runs on
    // Windows, and on Simplified Chinese Windows for this program's users.
    static NarrowEncoder forScript();

    explicit NarrowEncoder(unsigned codePage) : m_codePage(codePage) {}
    unsigned codePage() const { return m_codePage; }

    // The text in the code page, exactly as Windows writes it. A character
    // that the code page cannot represent (no best fit) is a failure that
    // names the text and the code page. Elsewhere than on Windows, bytes that
    // are not UTF-8 are names in the file system's own bytes (GBK names from
    // an archive): they come back unchanged when they are text of the code
    // page, and are a failure otherwise.
    std::string encode(const std::string& utf8) const;

private:
    // The failure of a text the code page cannot hold; it names the first
    // character that it cannot hold.
    [[noreturn]] void throwUnrepresentable(const std::string& utf8) const;

    unsigned m_codePage;
};

} // namespace tarvolin
