// The split on Windows: "\" paths, drive roots, the wide-character file API,
// the ANSI code page in the script, and Chinese failure descriptions from
// Windows error codes. Run under code page 936 (GBK).

#include "engine/PieceBuffer.h"
#include "engine/SplitRun.h"
#include "platform/FileServices.h"
#include "platform/SystemErrorText.h"
#include "tests/support/LongTree.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <windows.h>

namespace {

namespace fs = std::filesystem;
using testsupport::fromUtf8;
using testsupport::listFolder;
using testsupport::randomBytes;
using testsupport::readFile;
using testsupport::RecordingHost;
using testsupport::TempDir;
using testsupport::writeFile;

const std::string errorPrefix = "错误提示信息:";

class WindowsSplit : public testing::Test
{
protected:
    bool split(const std::string& sfile, std::int32_t splitsize, const std::string& oname)
    {
        host.notices.clear();
        return tarvolin::splitlt(host, buffer, sfile, splitsize, oname);
    }
    std::string notice() const { return host.notices.empty() ? "" : host.notices.back(); }
    bool completed() const { return notice().find("成功完成") != std::string::npos; }

    TempDir dir;
    RecordingHost host;
    tarvolin::PieceBuffer buffer;
};

TEST_F(WindowsSplit, PathsUseBackslashes)
{
    const std::string folder = dir.folder();
    ASSERT_EQ(folder.back(), '\\');
    const std::string source = randomBytes(250);
    writeFile(dir / "movie.avi", source);

    // The output folder with its trailing "\": the pieces go into it.
    ASSERT_TRUE(split(dir / "movie.avi", 100, folder + "movie.avi"));
    ASSERT_TRUE(completed()) << notice();
    EXPECT_EQ(readFile(folder + "movie.avi.002"), source.substr(200));
    EXPECT_EQ(readFile(folder + "movie.avi.BAT"),
              "COPY/B movie.avi.000/B+movie.avi.001/B+movie.avi.002/B movie.avi/B\r\n");
    EXPECT_EQ(host.captions.back(), "正在处理:" + folder + "movie.avi.002 100.00%");

    // Without it, the folder's last name is the start of the file names.
    fs::create_directory(dir.path() / "out");
    ASSERT_TRUE(split(dir / "movie.avi", 100, (dir / "out") + "movie.avi"));
    ASSERT_TRUE(completed()) << notice();
    EXPECT_EQ(readFile(dir / "outmovie.avi.000"), source.substr(0, 100));
    EXPECT_EQ(readFile(dir / "outmovie.avi.BAT"),
              "COPY/B outmovie.avi.000/B+outmovie.avi.001/B+outmovie.avi.002/B outmovie.avi/B\r\n");
    EXPECT_TRUE(fs::is_empty(dir.path() / "out"));
}

TEST_F(WindowsSplit, DriveRootEndsInItsBackslash)
{
    // The check script maps a drive letter onto a scratch folder.
    const char* drive = std::getenv("TARVOLIN_TEST_DRIVE");
    if (drive == nullptr)
        GTEST_SKIP() << "no scratch drive (TARVOLIN_TEST_DRIVE, for example Y:\\)";
    const std::string root = drive;
    ASSERT_EQ(root.back(), '\\');
    const std::string source = randomBytes(300, 5);
    writeFile(root + "root.bin", source);
    ASSERT_TRUE(split(root + "root.bin", 200, root + "root.bin"));
    ASSERT_TRUE(completed()) << notice();
    EXPECT_EQ(readFile(root + "root.bin.001"), source.substr(200));
    EXPECT_EQ(readFile(root + "root.bin.BAT"),
              "COPY/B root.bin.000/B+root.bin.001/B root.bin/B\r\n");
    for (const char* name : {"root.bin", "root.bin.000", "root.bin.001", "root.bin.BAT"})
        fs::remove(fromUtf8(root + name));
}

// Pieces on another volume than the source's are read back past the cache
// (aligned reads of whole sectors, the last one short) before the script.
TEST_F(WindowsSplit, PiecesOnAnotherVolumeAreReadBack)
{
    const char* drive = std::getenv("TARVOLIN_TEST_DRIVE");
    if (drive == nullptr)
        GTEST_SKIP() << "no scratch drive (TARVOLIN_TEST_DRIVE, for example Y:\\)";
    const std::string root = drive;
    DWORD here = 0, there = 0;
    GetVolumeInformationW(nullptr, nullptr, 0, &here, nullptr, nullptr, nullptr, 0);
    GetVolumeInformationW(fromUtf8(root).c_str(), nullptr, 0, &there, nullptr, nullptr, nullptr, 0);
    if (here == there)
        GTEST_SKIP() << "the scratch drive has the same volume serial as the temporary folder";
    const std::string source = randomBytes(3 * 100000 + 123, 9);
    writeFile(dir / "far.bin", source);
    ASSERT_TRUE(split(dir / "far.bin", 100000, root + "far.bin"));
    ASSERT_TRUE(completed()) << notice();
    EXPECT_EQ(host.captions.back(), "正在校验:" + root + "far.bin.003 100.00%");
    EXPECT_EQ(readFile(root + "far.bin.003"), source.substr(300000));
    for (const char* name :
         {"far.bin.000", "far.bin.001", "far.bin.002", "far.bin.003", "far.bin.BAT"})
        fs::remove(fromUtf8(root + name));
}

TEST_F(WindowsSplit, ChineseNamesGoThroughTheWideApiAndIntoTheScriptInGbk)
{
    ASSERT_EQ(GetACP(), 936u);
    const std::string name = "视频 样本.bin";
    const std::string source = randomBytes(3000, 7);
    writeFile(dir / name, source);
    ASSERT_TRUE(split(dir / name, 1000, dir / name));
    ASSERT_TRUE(completed()) << notice();
    EXPECT_EQ(readFile(dir / (name + ".001")), source.substr(1000, 1000));
    const std::string gbk = "\xCA\xD3\xC6\xB5 \xD1\xF9\xB1\xBE.bin"; // 视频 样本.bin
    EXPECT_EQ(readFile(dir / (name + ".BAT")), "COPY/B \"" + gbk + ".000\"/B+\"" + gbk +
                                                   ".001\"/B+\"" + gbk + ".002\"/B \"" + gbk +
                                                   "\"/B\r\n");
}

TEST_F(WindowsSplit, NameOutsideTheCodePageIsRefusedBeforeAnyPiece)
{
    const std::string name = "한국어.bin"; // Hangul is not in code page 936
    writeFile(dir / name, randomBytes(300));
    EXPECT_TRUE(split(dir / name, 100, dir / name));
    EXPECT_EQ(notice().rfind(errorPrefix, 0), 0u) << notice();
    EXPECT_NE(notice().find("“한국어.bin”"), std::string::npos) << notice();
    EXPECT_EQ(listFolder(dir.path()), std::vector<std::string>{name});
}

TEST_F(WindowsSplit, SlashSeparatesLikeBackslash)
{
    // "D:/out/" typed into the output folder field: the script names bare files.
    const std::string source = randomBytes(250, 2);
    writeFile(dir / "a.bin", source);
    std::string folder = dir.folder();
    std::replace(folder.begin(), folder.end(), '\\', '/');
    ASSERT_TRUE(split(dir / "a.bin", 100, folder + "a.bin"));
    ASSERT_TRUE(completed()) << notice();
    EXPECT_EQ(readFile(dir / "a.bin.BAT"),
              "COPY/B a.bin.000/B+a.bin.001/B+a.bin.002/B a.bin/B\r\n");
}

TEST_F(WindowsSplit, FailuresAreDescribedInChinese)
{
    writeFile(dir / "a.bin", randomBytes(300));
    struct Case
    {
        std::string sfile, oname, reason;
    };
    fs::create_directory(dir.path() / "taken.bin.000"); // a folder where a piece should go
    writeFile(dir / "taken.bin", randomBytes(300));
    for (const Case& c : {Case{dir / "missing.bin", dir / "missing.bin", "文件不存在"},
                          Case{dir / "a.bin", dir / "nowhere\\a.bin", "文件夹不存在"},
                          Case{dir / "taken.bin", dir / "taken.bin", "没有访问权限"}}) {
        EXPECT_TRUE(split(c.sfile, 100, c.oname));
        EXPECT_EQ(notice().rfind(errorPrefix, 0), 0u) << notice();
        EXPECT_NE(notice().find(c.reason), std::string::npos) << notice();
    }
    EXPECT_EQ(tarvolin::SystemErrorText::reason(ERROR_DISK_FULL), "磁盘空间不足");
    EXPECT_EQ(tarvolin::SystemErrorText::reason(ERROR_SHARING_VIOLATION), "文件正被其他程序使用");
    EXPECT_EQ(tarvolin::SystemErrorText::reason(ERROR_FILENAME_EXCED_RANGE), "文件名或路径太长");
    EXPECT_EQ(tarvolin::SystemErrorText::reason(ERROR_DEVICE_NOT_CONNECTED),
              "设备未连接（U 盘或移动硬盘可能已被拔出）");
}

TEST_F(WindowsSplit, OtherCodesTakeTheSystemsWordsWithTheCode)
{
    // A CRC error, a network name that is gone, a virus found.
    for (const int code : {ERROR_CRC, ERROR_NETNAME_DELETED, ERROR_BAD_NETPATH}) {
        const std::string reason = tarvolin::SystemErrorText::reason(code);
        const std::string tail = "（代码 " + std::to_string(code) + "）";
        ASSERT_GT(reason.size(), tail.size()) << reason;
        EXPECT_TRUE(reason.ends_with(tail)) << reason;
        EXPECT_FALSE(reason.starts_with("系统错误")) << reason;
        EXPECT_EQ(reason.find_first_of("\r\n"), std::string::npos) << reason;
    }
    // A code the system has no sentence for.
    EXPECT_EQ(tarvolin::SystemErrorText::reason(0x2000FFFF), "系统错误（代码 536936447）");
}

TEST_F(WindowsSplit, FullDiskIsAFailure)
{
    // The check script maps a drive letter onto a small file system.
    const char* drive = std::getenv("TARVOLIN_TEST_FULL_DRIVE");
    if (drive == nullptr)
        GTEST_SKIP() << "no small drive (TARVOLIN_TEST_FULL_DRIVE)";
    const std::string source = randomBytes(512 * 1024, 3);
    writeFile(dir / "big.bin", source);
    EXPECT_TRUE(split(dir / "big.bin", 200 * 1024, std::string(drive) + "big.bin"));
    EXPECT_EQ(notice().rfind(errorPrefix, 0), 0u) << notice();
    EXPECT_NE(notice().find("磁盘空间不足"), std::string::npos) << notice();
    EXPECT_FALSE(fs::exists(fromUtf8(std::string(drive) + "big.bin.BAT")));
}

TEST_F(WindowsSplit, LengthsBeyondFourGibibytesAreRead)
{
    writeFile(dir / "huge.bin", "");
    const std::int64_t length = (std::int64_t{5} << 30) + 3;
    fs::resize_file(dir.path() / "huge.bin", static_cast<std::uintmax_t>(length)); // sparse
    EXPECT_EQ(tarvolin::FileServices::fullLength(dir / "huge.bin"), length);
    // 5 GiB in pieces of 100 bytes would need far more than 32767 pieces.
    EXPECT_TRUE(split(dir / "huge.bin", 100, dir / "huge.bin"));
    EXPECT_NE(notice().find("32767"), std::string::npos) << notice();
    EXPECT_EQ(listFolder(dir.path()), std::vector<std::string>{"huge.bin"});
}

TEST_F(WindowsSplit, SplitsASourceThatAnotherProgramHoldsOpenForWriting)
{
    const std::string source = randomBytes(250, 4);
    writeFile(dir / "open.vhd", source);
    // As an editor, a download or a virtual machine holds it.
    const HANDLE writer =
        CreateFileW(fromUtf8(dir / "open.vhd").c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(split(dir / "open.vhd", 100, dir / "open.vhd"));
    CloseHandle(writer);
    ASSERT_TRUE(completed()) << notice();
    EXPECT_EQ(readFile(dir / "open.vhd.002"), source.substr(200));
}

TEST_F(WindowsSplit, SplitsFromAndIntoFoldersDeeperThanThePathLimit)
{
    // Made and read through "\\?\", as no other way reaches so deep.
    const std::string name = "深处的文件 ";
    const testsupport::LongTree made{L"\\\\?\\" + dir.path().wstring()};
    std::string deep = dir.folder() + std::string(100, 'a');
    ASSERT_TRUE(fs::create_directory(fromUtf8(deep)));
    for (const std::string& below :
         {std::string(100, 'b') + " .", std::string(100, 'c') + " .", std::string("出")}) {
        deep += "\\" + below;
        ASSERT_TRUE(fs::create_directory(fromUtf8("\\\\?\\" + deep)));
    }
    const std::string from = deep.substr(0, deep.rfind('\\'));
    ASSERT_GT(from.size(), 300u);
    const std::string source = randomBytes(2500, 5);
    writeFile("\\\\?\\" + from + "\\" + name, source);

    const std::string oname = deep + "\\" + name;
    EXPECT_EQ(tarvolin::FileServices::fullLength(from + "\\" + name), 2500);
    ASSERT_TRUE(split(from + "\\" + name, 1000, oname));
    ASSERT_TRUE(completed()) << notice();
    // The texts the user sees hold the path as given.
    EXPECT_NE(notice().find(oname + ".BAT"), std::string::npos) << notice();
    EXPECT_EQ(host.captions.back(), "正在处理:" + oname + ".002 100.00%");
    for (int piece = 0; piece < 3; ++piece)
        EXPECT_EQ(readFile("\\\\?\\" + oname + ".00" + std::to_string(piece)),
                  source.substr(piece * 1000, 1000));
    EXPECT_EQ(readFile("\\\\?\\" + oname + ".BAT").rfind("COPY/B ", 0), 0u);
}

TEST_F(WindowsSplit, NeverWritesOverItsOwnSource)
{
    const std::string source = randomBytes(300, 3);
    writeFile(dir / "x.001", source);
    EXPECT_TRUE(split(dir / "x.001", 100, dir / "x"));
    EXPECT_NE(notice().find("被分割文件本身"), std::string::npos) << notice();
    EXPECT_EQ(readFile(dir / "x.001"), source);
}

} // namespace
