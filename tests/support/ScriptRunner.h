#pragma once

// Carries out a joining script the way the command interpreter reads its
// COPY/B lines, so tests can check that the pieces really join back.

#include "tests/support/TestFiles.h"

#include <fstream>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#endif
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

// The code page of the scripts that the tests' splits write: the one every
// split writes elsewhere than on Windows, and the console's code page of the
// Windows tests' prefix (Simplified Chinese).
constexpr unsigned chineseCodePage = 936;

struct CopyCommand
{
    std::vector<std::string> sources;
    std::string target;
};

class ScriptRunner
{
public:
    // Parses one line of the form COPY/B a/B+b/B target/B, with names either
    // bare or in double quotes and %% standing for %. In code page 936 the
    // interpreter reads the line a character at a time: the second byte of
    // a GBK character (which may be "|" or "^") is no sign of its own.
    static CopyCommand parseLine(const std::string& line, unsigned codePage = 0);

    // The script's lines, split at CR LF; the script must end in one.
    static std::vector<std::string> splitLines(const std::string& script);

    // Runs every line inside folder, reading the script in the code page the
    // command interpreter reads it in (936 on Simplified Chinese Windows, 850
    // on Western Windows): each line writes its target with the sources
    // joined; a line whose first source is the target appends to it. Files
    // are streamed, so pieces of gigabytes join as well.
    static void run(const fs::path& folder, const std::string& script, unsigned codePage);

private:
    // A name as the script writes it, in the code page, inside folder. On
    // Windows the name decoded; elsewhere its UTF-8 form, or its bytes as
    // they are where a file of that name is on the disk (a GBK name from an
    // archive, which Windows would show decoded) or where its source is.
    static fs::path inFolder(const fs::path& folder, const std::string& name, unsigned codePage);

    static std::string name(const std::string& line, std::size_t& at, unsigned codePage);

    static void expect(const std::string& line, std::size_t& at, const std::string& text);
};

} // namespace testsupport
