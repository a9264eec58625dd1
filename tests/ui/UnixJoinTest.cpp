// The joining command that the README and the Windows zip's read-me give
// for a system without cmd.exe: run as they print it, with /bin/sh, on the
// pieces of a split past piece 999.

#include "engine/PieceBuffer.h"
#include "engine/SplitRun.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using testsupport::readFile;
using testsupport::TempDir;

// The one line of path that starts with the command.
std::string commandIn(const std::string& path)
{
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        const std::size_t start = line.find("f=\"movie.avi\"; n=0;");
        if (start != std::string::npos)
            return line.substr(start);
    }
    return {};
}

TEST(UnixJoin, CommandJoinsPiecesInTheOrderOfTheirNumbersWithoutTheScript)
{
    const std::string command = commandIn(TARVOLIN_SOURCE_DIR "/README.md");
    ASSERT_FALSE(command.empty()) << "README.md gives no joining command";
    EXPECT_EQ(commandIn(TARVOLIN_SOURCE_DIR "/tools/windows-package"), command)
        << "the zip's read-me gives another command";

    // 1001 pieces of one byte: .000 to .999, then .1000, which "cat movie.avi.*"
    // would put after .100.
    TempDir dir;
    const std::string source = testsupport::randomBytes(1001, 7);
    const std::string path = dir / "movie.avi";
    testsupport::writeFile(path, source);
    testsupport::RecordingHost host;
    tarvolin::PieceBuffer buffer;
    ASSERT_TRUE(tarvolin::splitlt(host, buffer, path, 1, path));
    ASSERT_EQ(readFile(path + ".1000"), source.substr(1000));
    std::filesystem::rename(path, dir / "original");

    const std::string shell = "cd '" + dir.path().string() + "' && " + command;
    ASSERT_EQ(std::system(shell.c_str()), 0) << command;
    EXPECT_EQ(readFile(path), source);
}

} // namespace
