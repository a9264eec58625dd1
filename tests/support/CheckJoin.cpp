// Joins the pieces in the current folder as the joining script on standard
// input says, read the way the command interpreter reads it in the code page
// given: check-join CODEPAGE < NAME.BAT. For the tools that drive the real
// program; the tests call ScriptRunner itself.

#include "tests/support/ScriptRunner.h"

#include <iostream>
#include <iterator>

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: check-join CODEPAGE < SCRIPT.BAT (in the folder of the pieces)\n";
        return 2;
    }
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY); // the script's CR LF as they are
#endif
    const std::string script{std::istreambuf_iterator<char>(std::cin),
                             std::istreambuf_iterator<char>()};
    try {
        const auto codePage = static_cast<unsigned>(std::stoul(argv[1]));
        testsupport::ScriptRunner::run(std::filesystem::current_path(), script, codePage);
        std::cout << "joined as the script says, read in code page " << codePage << "\n";
    } catch (const std::exception& failure) {
        std::cerr << "check-join: " << failure.what() << "\n";
        return 1;
    }
    return 0;
}
