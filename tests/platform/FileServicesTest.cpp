#include "platform/FileServices.h"
#include "platform/DiskSpace.h"
#include "platform/Failure.h"
#include "platform/InputFile.h"
#include "platform/NarrowEncoder.h"
#include "platform/OutputFile.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include "tests/support/SmallFileSystem.h"
#include <sys/statvfs.h>
#endif

using tarvolin::Failure;
namespace FileServices = tarvolin::FileServices;
using tarvolin::InputFile;
using tarvolin::NarrowEncoder;
using tarvolin::OutputFile;
using testsupport::TempDir;

namespace {

namespace fs = std::filesystem;

std::string failureOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const Failure& failure) {
        return failure.description();
    }
    return "(no failure)";
}

TEST(FileServices, LengthHoldsFilesOfAnySize)
{
    TempDir dir;
    for (const std::int64_t length : {std::int64_t{0}, std::int64_t{INT32_MAX} + 1,
                                      std::int64_t{1} << 32, (std::int64_t{5} << 30) + 7}) {
        const std::string path = dir / std::to_string(length);
        testsupport::writeFile(path, "");
        fs::resize_file(path, static_cast<std::uintmax_t>(length)); // sparse
        EXPECT_EQ(FileServices::fullLength(path), length);
    }
    EXPECT_EQ(FileServices::fullLength(dir / "gone"), std::nullopt);
    EXPECT_EQ(FileServices::fullLength(dir.path().string()), std::nullopt); // a folder has none
#ifndef _WIN32
    // A link tells the length of the file it leads to, not its own.
    fs::create_symlink(dir / "4294967296", dir / "link");
    EXPECT_EQ(FileServices::fullLength(dir / "link"), std::int64_t{1} << 32);
#endif
}

#ifndef _WIN32
// ext4 keeps a share of its blocks for root, who runs the tests: the room
// is what an ordinary user may still write.
TEST(DiskSpace, RoomIsWhatAnOrdinaryUserMayWrite)
{
    testsupport::SmallFileSystem disk(8 << 20, "ext4");
    if (!disk.mounted())
        GTEST_SKIP() << "mounting an ext4 image needs root and mkfs.ext4 (CI has both)";
    struct statvfs info;
    ASSERT_EQ(::statvfs(disk.path().c_str(), &info), 0);
    ASSERT_LT(info.f_bavail, info.f_bfree) << "the image keeps no blocks for root";
    const auto room = tarvolin::DiskSpace::roomAt(disk.path().string());
    ASSERT_TRUE(room);
    EXPECT_EQ(room->available, static_cast<std::int64_t>(info.f_bavail * info.f_frsize));
}
#endif

TEST(FileServices, ChineseAndBlankNamesWork)
{
    TempDir dir;
    const std::string path = dir / "分割 测试.bin";
    OutputFile out(path);
    out.write("abcdef", 6);
    out.close();
    EXPECT_EQ(FileServices::fullLength(path), 6);
    InputFile in(path);
    char bytes[6];
    in.read(bytes, 6);
    EXPECT_EQ(std::string(bytes, 6), "abcdef");
    EXPECT_NE(failureOf([&] { in.read(bytes, 1); }).find("读取不完整"), std::string::npos);
}

TEST(FileServices, IdentityComparesFilesNotText)
{
    TempDir dir;
    testsupport::writeFile(dir / "a", "x");
    testsupport::writeFile(dir / "b", "x");
    fs::create_hard_link(dir / "a", dir / "link");
    const auto identity = [](const std::string& path) { return InputFile(path).identity(); };
    EXPECT_EQ(identity(dir / "a"), identity(dir / "link"));
    EXPECT_EQ(identity(dir / "a"), identity(dir.folder() + "./a"));
    EXPECT_NE(identity(dir / "a"), identity(dir / "b"));
}

// Names are compared as Windows compares them, where the pieces are joined.
TEST(FileServices, NamesAlikeButForCaseAreTheSameName)
{
    struct Case
    {
        std::string a, b;
        bool same;
    };
    std::vector<Case> cases{
        {"P.bin", "p.bin", true},         {"movie.AVI.000", "Movie.avi.000", true},
        {"Ä文件.bin", "ä文件.BIN", true}, {"a.bin", "a.bin ", false},
        {"a.bin", "b.bin", false},        {"视频", "视频", true},
        {"z.bin", "Z.bin", true}};
#ifndef _WIN32
    // GBK bytes from an archive: their ASCII letters alike but for case.
    cases.push_back({"\xCA\xD3"
                     "a.bin",
                     "\xCA\xD3"
                     "A.BIN",
                     true});
    cases.push_back({"\xCA\xD3"
                     "a.bin",
                     "\xCA\xD4"
                     "a.bin",
                     false});
    // Their other bytes are not letters: "\xE0" is no "à" to fold to "\xC0".
    cases.push_back({"a\xE0.bin", "A\xC0.bin", false});
#endif
    for (const Case& c : cases)
        EXPECT_EQ(FileServices::sameName(c.a, c.b), c.same) << c.a << " / " << c.b;
}

TEST(NarrowEncoder, WritesTheScriptsCodePageAsWindowsDoesOrFails)
{
#ifdef _WIN32
    EXPECT_EQ(NarrowEncoder::forScript().codePage(), GetOEMCP()); // the console's
#else
    EXPECT_EQ(NarrowEncoder::forScript().codePage(), 936u); // the tests run in C.UTF-8
#endif
    // Windows' own bytes, written out by hand: code page 936 differs from
    // GB2312 at the euro sign, the middle dot, the em dash, the macron and
    // the horizontal bar; 850 is the console's page of Western Windows.
    const std::string long_(10000, 'x');
    struct Case
    {
        unsigned codePage;
        std::string text, bytes;
    };
    for (const Case& c :
         {Case{936, "中文 a.bin", "\xD6\xD0\xCE\xC4 a.bin"},
          Case{936, "€·—￣―", "\x80\xA1\xA4\xA1\xAA\xA3\xFE\xA8\x44"}, Case{936, "", ""},
          Case{936, long_, long_}, Case{850, "café ü ß", "caf\x82 \x81 \xE1"}})
        EXPECT_EQ(NarrowEncoder(c.codePage).encode(c.text), c.bytes) << c.text;
    // What the page cannot hold, and no best fit for it: U+30FB is GB2312's
    // middle dot, the euro sign is in 1252 but not in 850.
    // The failure names the first character the page cannot hold (in bytes).
    for (const Case& c : {Case{936, "😀", "😀"}, Case{936, "a한국어", "한"}, Case{936, "中・", "・"},
                          Case{850, "€", "€"}, Case{850, "a中文", "中"}}) {
        const std::string failure = failureOf([&] { NarrowEncoder(c.codePage).encode(c.text); });
        EXPECT_NE(failure.find("“" + c.text + "”中的字符“" + c.bytes + "”"), std::string::npos)
            << failure;
        EXPECT_NE(failure.find("代码页 " + std::to_string(c.codePage)), std::string::npos)
            << failure;
    }
#ifndef _WIN32
    // Name bytes from the disk that are not UTF-8: GBK passes as it is;
    // what no Windows reads as text is refused.
    const std::string gbk = "\xB5\xE7\xD3\xB0.avi"; // 电影.avi
    EXPECT_EQ(NarrowEncoder(936).encode("COPY/B " + gbk), "COPY/B " + gbk);
    const std::string failure = failureOf([] { NarrowEncoder(936).encode("caf\xE9.bin"); });
    EXPECT_NE(failure.find("caf\xEF\xBF\xBD.bin"), std::string::npos) << failure;
#endif
}

} // namespace
