// A split started from the event pump of a running split: refused when the
// two share files (as the file system sees them), run whole otherwise.

#include "engine/PieceBuffer.h"
#include "engine/SplitRun.h"
#include "tests/support/Notices.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/ScriptRunner.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using testsupport::completionNotice;
using testsupport::fromUtf8;
using testsupport::randomBytes;
using testsupport::readFile;
using testsupport::ScriptRunner;
using testsupport::TempDir;
using testsupport::writeFile;

TEST(RunningSplit, InnerSplitOverTheSameFilesIsRefusedOthersRun)
{
    // The outer split cuts 900 bytes into 3 pieces; at its first pump the
    // inner one splits with pieces of 200 bytes. A separate inner source
    // ("b", "c") holds 700 bytes.
    struct Case
    {
        std::string what, outer, innerSource, innerOname;
        int innerPieces; // 0: refused
    };
    std::vector<Case> cases{
        {"the same source and names", "a.bin", "a.bin", "a.bin", 0},
        {"the same folder spelled another way", "a.bin", "a.bin", "sub/../a.bin", 0},
        {"a source that is an outer piece", "a.bin", "a.bin.000", "other/a.bin.000", 0},
        {"a piece that is the outer source", "c.001", "c", "c", 0},
        {"the same source into another folder", "a.bin", "a.bin", "other/a.bin", 5},
        {"another file into the same folder", "a.bin", "b", "b", 4},
    };
#ifdef _WIN32
    cases.push_back({"the same names in other letter case", "a.bin", "a.bin", "A.BIN", 0});
#endif
    for (const Case& c : cases) {
        TempDir dir;
        fs::create_directory(dir.path() / "sub");
        fs::create_directory(dir.path() / "other");
        const std::string outer = randomBytes(900, 1), inner = randomBytes(700, 2);
        writeFile(dir / c.outer, outer);
        if (c.innerSource == "b" || c.innerSource == "c")
            writeFile(dir / c.innerSource, inner);
        testsupport::RecordingHost host;
        tarvolin::PieceBuffer buffer;
        host.onPump = [&](int pumps) {
            if (pumps == 1)
                tarvolin::splitlt(host, buffer, dir / c.innerSource, 200, dir / c.innerOname);
        };
        ASSERT_TRUE(tarvolin::splitlt(host, buffer, dir / c.outer, 300, dir / c.outer));

        ASSERT_EQ(host.notices.size(), 2u) << c.what;
        EXPECT_EQ(host.notices[1], completionNotice(3, dir / c.outer + ".BAT")) << c.what;
        if (c.innerPieces == 0) {
            EXPECT_TRUE(testsupport::startsWith(host.notices[0], testsupport::errorPrefix))
                << host.notices[0];
            EXPECT_NE(host.notices[0].find("另一次分割还在进行中"), std::string::npos)
                << host.notices[0];
        } else {
            const std::string script = dir / c.innerOname + ".BAT";
            EXPECT_EQ(host.notices[0], completionNotice(c.innerPieces, script)) << c.what;
            const std::string innerBytes = readFile(dir / c.innerSource);
            if (c.innerOname == c.innerSource)
                fs::rename(fromUtf8(dir / c.innerSource), dir.path() / "inner.original");
            ScriptRunner::run(fs::path(fromUtf8(script)).parent_path(), readFile(script),
                              testsupport::chineseCodePage);
            EXPECT_EQ(readFile(dir / c.innerOname), innerBytes) << c.what;
        }
        // The outer split joins back byte for byte.
        fs::rename(fromUtf8(dir / c.outer), dir.path() / "original");
        ScriptRunner::run(dir.path(), readFile(dir / c.outer + ".BAT"),
                          testsupport::chineseCodePage);
        EXPECT_EQ(readFile(dir / c.outer), outer) << c.what;
    }
}

} // namespace
