// One real split of a source larger than 4 GiB, joined back by its script and
// compared byte for byte. It writes about 10 GB and takes tens of seconds.

#include "engine/PieceBuffer.h"
#include "engine/SplitRun.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/ScriptRunner.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;
using testsupport::TempDir;

constexpr std::int64_t mib = std::int64_t{1} << 20;
constexpr std::int64_t length = (std::int64_t{5} << 30) + 7;

// True when the two files hold the same bytes.
bool sameBytes(const fs::path& a, const fs::path& b)
{
    std::ifstream one(a, std::ios::binary), other(b, std::ios::binary);
    std::vector<char> x(8 * mib), y(8 * mib);
    while (one && other) {
        one.read(x.data(), static_cast<std::streamsize>(x.size()));
        other.read(y.data(), static_cast<std::streamsize>(y.size()));
        if (one.gcount() != other.gcount() ||
            !std::equal(x.begin(), x.begin() + one.gcount(), y.begin()))
            return false;
    }
    return one.eof() && other.eof();
}

TEST(LargeSplit, SourceBeyondFourGibibytesJoinsBackByteForByte)
{
    TempDir dir;
    const auto free = fs::space(dir.path()).available;
    if (free < std::uintmax_t{11} << 30)
        GTEST_SKIP() << "needs about 11 GB free in " << dir.path() << ", has " << (free >> 20)
                     << " MiB";

    // Sparse, with random bytes around 2 GiB, 4 GiB and the end, where a
    // 32-bit length or position would go wrong.
    const fs::path source = dir.path() / "disk image.img";
    {
        std::ofstream out(source, std::ios::binary);
        for (const std::int64_t at : {std::int64_t{0}, (std::int64_t{2} << 30) - mib / 2,
                                      (std::int64_t{4} << 30) - mib / 2, length - mib}) {
            out.seekp(at);
            out << testsupport::randomBytes(static_cast<std::size_t>(mib),
                                            static_cast<std::uint32_t>(at));
        }
    }
    ASSERT_EQ(static_cast<std::int64_t>(fs::file_size(source)), length);

    testsupport::RecordingHost host;
    tarvolin::PieceBuffer buffer;
    const std::string oname = testsupport::toUtf8(source);
    ASSERT_TRUE(tarvolin::splitlt(host, buffer, oname, 2147483646, oname));
    ASSERT_EQ(host.notices.size(), 1u);
    ASSERT_NE(host.notices[0].find("合计生成3个分割文件"), std::string::npos) << host.notices[0];
    EXPECT_EQ(fs::file_size(dir.path() / "disk image.img.000"), 2147483646u);
    EXPECT_EQ(fs::file_size(dir.path() / "disk image.img.002"),
              static_cast<std::uintmax_t>(length - std::int64_t{2} * 2147483646));

    fs::rename(source, dir.path() / "original.img");
    testsupport::ScriptRunner::run(dir.path(),
                                   testsupport::readFile(testsupport::toUtf8(source) + ".BAT"),
                                   testsupport::chineseCodePage);
    EXPECT_TRUE(sameBytes(dir.path() / "original.img", source));
}

} // namespace
