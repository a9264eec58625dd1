#include "platform/FileServices.h"
#include "platform/Failure.h"
#include "platform/InputFile.h"
#include "platform/NarrowEncoder.h"
#include "platform/OutputFile.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

using tarvolin::Failure;
using tarvolin::FileServices;
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
        EXPECT_EQ(FileServices::fileLength(path), length);
        EXPECT_EQ(FileServices::fullLength(path), length);
    }
    const std::string missing = failureOf([&] { FileServices::fileLength(dir / "gone"); });
    EXPECT_EQ(missing.rfind("无法读取文件长度“" + (dir / "gone") + "”：", 0), 0u) << missing;
    EXPECT_NE(missing.find("不存在"), std::string::npos) << missing;
    EXPECT_EQ(FileServices::fullLength(dir / "gone"), -1);
    EXPECT_EQ(FileServices::fullLength(dir.path().string()), -1); // a folder has no length
}

TEST(FileServices, ChineseAndBlankNamesWork)
{
    TempDir dir;
    const std::string path = dir / "分割 测试.bin";
    OutputFile out(path);
    out.write("abcdef", 6);
    out.close();
    EXPECT_EQ(FileServices::fileLength(path), 6);
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

#ifdef _WIN32
TEST(NarrowEncoder, WritesTheAnsiCodePageOrFails)
{
    ASSERT_EQ(GetACP(), 936u) << "the Windows tests run under code page 936";
    EXPECT_EQ(NarrowEncoder::forSystem().encode("中文 a.bin"), "\xD6\xD0\xCE\xC4 a.bin");
    EXPECT_EQ(NarrowEncoder::forSystem().encode(""), "");
    // Neither emoji nor Hangul syllables are in code page 936.
    for (const std::string text : {"😀", "한국어"}) {
        EXPECT_NE(failureOf([&] { NarrowEncoder::forSystem().encode(text); }).find(text),
                  std::string::npos)
            << text;
    }
}
#else
TEST(NarrowEncoder, WritesTheCodesetsBytesOrFails)
{
    EXPECT_EQ(NarrowEncoder("GBK").encode("中文 a.bin"), "\xD6\xD0\xCE\xC4 a.bin");
    EXPECT_EQ(NarrowEncoder("UTF-8").encode("中文"), "中文");
    EXPECT_EQ(NarrowEncoder("GBK").encode(""), "");
    const std::string long_(10000, 'x');
    EXPECT_EQ(NarrowEncoder("GBK").encode(long_), long_);
    for (const auto& [codeset, text] : std::vector<std::pair<std::string, std::string>>{
             {"GBK", "😀"},
             {"ANSI_X3.4-1968", "中文"},
             {"ISO-8859-1", "€"},
             {"ASCII//TRANSLIT", "café"}}) { // a replaced character is no success either
        EXPECT_NE(failureOf([&] { NarrowEncoder(codeset).encode(text); }).find(text),
                  std::string::npos)
            << codeset;
    }
    EXPECT_NE(failureOf([] { NarrowEncoder("NO-SUCH-SET").encode("a"); }).find("NO-SUCH-SET"),
              std::string::npos);
    EXPECT_EQ(NarrowEncoder::forSystem().codeset(), "UTF-8"); // the tests run in C.UTF-8
}
#endif

} // namespace
