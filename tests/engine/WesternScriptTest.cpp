// The script on Western Windows, where the console reads batch files in code
// page 850 and the ANSI code page is 1252. Runs in a Wine prefix made with
// LANG=de_DE.UTF-8 (tools/windows-check).

#include "engine/PieceBuffer.h"
#include "engine/SplitRun.h"
#include "tests/support/Notices.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/ScriptRunner.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

namespace fs = std::filesystem;
using testsupport::readFile;

TEST(WesternWindows, ScriptIsInTheConsolesCodePageAndJoinsBack)
{
    ASSERT_EQ(GetACP(), 1252u);
    ASSERT_EQ(GetOEMCP(), 850u);
    testsupport::TempDir dir;
    testsupport::RecordingHost host;
    tarvolin::PieceBuffer buffer;

    const std::string name = "café ü.bin";
    const std::string source = testsupport::randomBytes(250, 4);
    testsupport::writeFile(dir / name, source);
    ASSERT_TRUE(tarvolin::splitlt(host, buffer, dir / name, 100, dir / name));
    ASSERT_EQ(host.notices,
              std::vector<std::string>{testsupport::completionNotice(3, dir / name + ".BAT")});
    // é and ü in code page 850 (in 1252 they would be E9 and FC).
    const std::string cp850 = "caf\x82 \x81.bin";
    EXPECT_EQ(readFile(dir / name + ".BAT"), "COPY/B \"" + cp850 + ".000\"/B+\"" + cp850 +
                                                 ".001\"/B+\"" + cp850 + ".002\"/B \"" + cp850 +
                                                 "\"/B\r\n");
    fs::rename(testsupport::fromUtf8(dir / name), dir.path() / "original");
    testsupport::ScriptRunner::run(dir.path(), readFile(dir / name + ".BAT"), 850);
    EXPECT_EQ(readFile(dir / name), source);

    // The euro sign is in 1252 but not in 850: refused before any piece.
    host.notices.clear();
    testsupport::writeFile(dir / "5 €.bin", source);
    EXPECT_TRUE(tarvolin::splitlt(host, buffer, dir / "5 €.bin", 100, dir / "5 €.bin"));
    ASSERT_EQ(host.notices.size(), 1u);
    EXPECT_NE(host.notices[0].find("代码页 850"), std::string::npos) << host.notices[0];
    EXPECT_FALSE(fs::exists(testsupport::fromUtf8(dir / "5 €.bin.000")));
}

} // namespace
