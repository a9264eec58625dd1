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

TEST(SplitFileGuard, InnerSplitOverTheSameFilesIsRefusedOthersRun)
{
    // At a pump of a split of 900 bytes into pieces of 300 (the first, or
    // the third, after its last piece), a second split with pieces of 200
    // bytes (five pieces); "c" holds the same bytes. Its names are given
    // without a folder where it splits from the current folder.
    struct Case
    {
        std::string outer, innerSource, innerOname;
        bool runs;
        int pump = 1;
        bool fromCurrentFolder = false;
        // Made in sub before the inner split: a hard link to the first piece.
        std::string link = "";
    };
    std::vector<Case> cases{{"a.bin", "a.bin", "a.bin", false},
                            {"a.bin", "a.bin", "sub/../a.bin", false},         // the same folder
                            {"a.bin", "a.bin.000", "sub/a.bin.000", false},    // reads a piece
                            {"a.bin", "a.bin.002", "sub/a.bin.002", false, 3}, // the last piece
                            {"c.001", "c", "c", false},                        // writes the source
                            {"c.004", "c", "c", false},                        // as its last piece
                            {"a.bin", "a.bin", "a.bin", false, 1, true},       // no folder in oname
                            {"a.bin", "a.bin", "sub/a.bin", true},
                            // Writes a piece of the other under another name
                            {"a.bin", "c", "sub/c", false, 1, false, "c.000"},
                            // One file where the pieces are joined (and on exFAT sticks)
                            {"a.bin", "a.bin", "A.BIN", false}};
    for (const Case& c : cases) {
        TempDir dir;
        fs::create_directory(dir.path() / "sub");
        const std::string source = randomBytes(900, 1);
        writeFile(dir / c.outer, source);
        writeFile(dir / "c", source);
        testsupport::RecordingHost host;
        tarvolin::PieceBuffer buffer;
        host.onPump = [&](int pumps) {
            if (pumps != c.pump)
                return;
            if (!c.link.empty())
                fs::create_hard_link(fromUtf8(dir / c.outer + ".000"), dir.path() / "sub" / c.link);
            if (!c.fromCurrentFolder) {
                tarvolin::splitlt(host, buffer, dir / c.innerSource, 200, dir / c.innerOname);
                return;
            }
            const fs::path before = fs::current_path();
            fs::current_path(dir.path());
            tarvolin::splitlt(host, buffer, c.innerSource, 200, c.innerOname);
            fs::current_path(before);
        };
        ASSERT_TRUE(tarvolin::splitlt(host, buffer, dir / c.outer, 300, dir / c.outer));
        ASSERT_EQ(host.notices.size(), 2u) << c.innerOname;
        EXPECT_EQ(host.notices[0].find("另一次分割还在进行中") == std::string::npos, c.runs)
            << host.notices[0];
        EXPECT_EQ(host.notices[1], completionNotice(3, dir / c.outer + ".BAT"));

        // Every split that ran joins back byte for byte.
        fs::rename(fromUtf8(dir / c.outer), dir.path() / "original");
        std::vector<std::string> joined{c.outer};
        if (c.runs)
            joined.push_back(c.innerOname);
        for (const std::string& oname : joined) {
            ScriptRunner::run(fromUtf8(dir / oname).parent_path(), readFile(dir / oname + ".BAT"),
                              testsupport::chineseCodePage);
            EXPECT_EQ(readFile(dir / oname), source) << oname;
        }
    }
}

} // namespace
