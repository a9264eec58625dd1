#include "engine/SplitRun.h"
#include "engine/PieceBuffer.h"
#include "platform/BatchFlush.h"
#include "platform/NumberServices.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/ScriptRunner.h"
#ifndef _WIN32
#include "tests/support/FakeStickMount.h"
#include "tests/support/FaultyCalls.h"
#include "tests/support/SmallFileSystem.h"
#include "tests/support/TestClock.h"
#endif
#include "tests/support/Notices.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <random>

#ifndef _WIN32
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using testsupport::chineseCodePage;
using testsupport::fromUtf8;
using testsupport::listFolder;
using testsupport::randomBytes;
using testsupport::readFile;
using testsupport::RecordingHost;
using testsupport::ScriptRunner;
#ifndef _WIN32
using testsupport::SmallFileSystem;
#endif
using testsupport::TempDir;
using testsupport::toUtf8;
using testsupport::writeFile;

const std::string& tooSmall = testsupport::tooSmallNotice;
const std::string& errorPrefix = testsupport::errorPrefix;

constexpr auto* completion = &testsupport::completionNotice;
using testsupport::startsWith;

class SplitRun : public testing::Test
{
protected:
    bool split(const std::string& sfile, std::int32_t splitsize, const std::string& oname)
    {
        return tarvolin::splitlt(host, buffer, sfile, splitsize, oname);
    }

    // Exactly one notice, an error notice that mentions every one of the words.
    void expectErrorNotice(const std::vector<std::string>& words)
    {
        ASSERT_EQ(host.notices.size(), 1u);
        const std::string& notice = host.notices[0];
        EXPECT_TRUE(startsWith(notice, errorPrefix)) << notice;
        EXPECT_GT(notice.size(), errorPrefix.size()) << "an empty description";
        for (const std::string& word : words)
            EXPECT_NE(notice.find(word), std::string::npos) << word << " not in " << notice;
    }

    TempDir dir;
    RecordingHost host;
    tarvolin::PieceBuffer buffer;
    int descriptorsBefore = testsupport::openDescriptorCount();

    void TearDown() override
    {
        if (descriptorsBefore >= 0) {
            EXPECT_EQ(testsupport::openDescriptorCount(), descriptorsBefore) << "a file left open";
        }
    }
};

TEST_F(SplitRun, CutsIntoPiecesWritesTheScriptAndReportsEachStep)
{
    const std::string source = randomBytes(250);
    writeFile(dir / "movie.avi", source);
    const std::string oname = dir / "movie.avi";

    EXPECT_TRUE(split(dir / "movie.avi", 100, oname));

    EXPECT_EQ(readFile(oname + ".000"), source.substr(0, 100));
    EXPECT_EQ(readFile(oname + ".001"), source.substr(100, 100));
    EXPECT_EQ(readFile(oname + ".002"), source.substr(200));
    EXPECT_EQ(readFile(oname + ".BAT"),
              "COPY/B movie.avi.000/B+movie.avi.001/B+movie.avi.002/B movie.avi/B\r\n");
    EXPECT_EQ(host.captions, (std::vector<std::string>{"正在处理:" + oname + ".000 33.33%",
                                                       "正在处理:" + oname + ".001 66.67%",
                                                       "正在处理:" + oname + ".002 100.00%"}));
    EXPECT_EQ(host.pumps, 3);
    EXPECT_EQ(host.notices, std::vector<std::string>{completion(3, oname + ".BAT")});
}

TEST_F(SplitRun, RefusesASourceNotTwoBytesLongerThanThePiece)
{
    struct Case
    {
        std::size_t length;
        std::int32_t splitsize;
    };
    for (const Case c : {Case{101, 100}, Case{100, 100}, Case{0, 0}, Case{0, 5}, Case{1, 0}}) {
        TempDir scratch;
        writeFile(scratch / "a.bin", randomBytes(c.length));
        host.notices.clear();
        EXPECT_FALSE(split(scratch / "a.bin", c.splitsize, scratch / "a.bin"));
        EXPECT_EQ(host.notices, std::vector<std::string>{tooSmall});
        EXPECT_EQ(listFolder(scratch.path()), std::vector<std::string>{"a.bin"});
    }
    EXPECT_TRUE(host.captions.empty());
}

TEST_F(SplitRun, TwoBytesLongerGivesTwoPieces)
{
    writeFile(dir / "a.bin", randomBytes(102));
    EXPECT_TRUE(split(dir / "a.bin", 100, dir / "a.bin"));
    EXPECT_EQ(fs::file_size(dir / "a.bin.000"), 100u);
    EXPECT_EQ(fs::file_size(dir / "a.bin.001"), 2u);
    EXPECT_EQ(readFile(dir / "a.bin.BAT"), "COPY/B a.bin.000/B+a.bin.001/B a.bin/B\r\n");
}

#ifndef _WIN32 // Wine makes no symbolic links
TEST_F(SplitRun, SourceReachedThroughALinkIsSplitWhole)
{
    const std::string source = randomBytes(300);
    writeFile(dir / "a.bin", source);
    fs::create_symlink(dir / "a.bin", dir / "link.bin");
    ASSERT_TRUE(split(dir / "link.bin", 100, dir / "link.bin"));
    EXPECT_EQ(host.notices, std::vector<std::string>{completion(3, dir / "link.bin.BAT")});
    EXPECT_EQ(readFile(dir / "link.bin.000") + readFile(dir / "link.bin.001") +
                  readFile(dir / "link.bin.002"),
              source);
}
#endif

TEST_F(SplitRun, NegativeSizeIsRefusedBeforeAnythingIsOpened)
{
    writeFile(dir / "a.bin", randomBytes(10));
    for (std::int32_t size : {-1, -2, INT32_MIN}) {
        host.notices.clear();
        EXPECT_FALSE(split(dir / "a.bin", size, dir / "a.bin"));
        ASSERT_EQ(host.notices.size(), 1u);
        EXPECT_NE(host.notices[0].find("必须大于0"), std::string::npos);
    }
    EXPECT_EQ(listFolder(dir.path()), std::vector<std::string>{"a.bin"});
}

TEST_F(SplitRun, FailuresBeforeAnyPieceWriteNothing)
{
    writeFile(dir / "two.bin", "ab");
    writeFile(dir / "many.bin", randomBytes(32768));
    writeFile(dir / "big.bin", randomBytes(10));
    struct Case
    {
        std::string sfile;
        std::int32_t splitsize;
        std::string word;
        std::string oname = "out";
    };
    // An arithmetic failure says what failed and the limit.
    for (const Case& c :
         {Case{dir / "two.bin", 0, "除数为零：分割后文件的大小不能为 0"},
          Case{dir / "many.bin", 1, "数值计算溢出：需要分割成的文件超过 32767 个"},
          Case{dir / "big.bin", INT32_MAX, "数值计算溢出：分割后文件最大只能是 2147483646 字节"},
          Case{dir / "big.bin", 1, "数值计算溢出：路径最长只能有 32767 个字符",
               std::string(32768, 'x')},
          Case{dir / "missing.bin", 10, "missing.bin"}, Case{"", 10, "没有指定"},
          Case{dir.path().string(), 10, "文件夹"}}) {
        host.notices.clear();
        EXPECT_TRUE(split(c.sfile, c.splitsize, dir / c.oname)) << c.sfile;
        expectErrorNotice({c.word});
    }
    EXPECT_EQ(listFolder(dir.path()), (std::vector<std::string>{"big.bin", "many.bin", "two.bin"}));
    EXPECT_TRUE(host.captions.empty());
}

TEST_F(SplitRun, SourceOfAnySizeIsPlannedInSixtyFourBits)
{
    const std::string path = dir / "huge.bin";
    writeFile(path, "");
    fs::resize_file(path, std::uintmax_t{5} << 30); // sparse: takes no space
    // 5 GiB in pieces of 100 bytes would need far more than 32767 pieces.
    EXPECT_TRUE(split(path, 100, dir / "out"));
    expectErrorNotice({"溢出", "32767"});
    EXPECT_EQ(listFolder(dir.path()), std::vector<std::string>{"huge.bin"});
}

TEST_F(SplitRun, MissingOutputFolderLeavesTheSourceAlone)
{
    const std::string source = randomBytes(300);
    writeFile(dir / "a.bin", source);
    EXPECT_TRUE(split(dir / "a.bin", 100, dir / "nowhere/a.bin"));
    expectErrorNotice({"无法创建文件", "a.bin.000", "不存在"});
    EXPECT_EQ(readFile(dir / "a.bin"), source);
}

// Faults made with POSIX means: a full device, a file size limit, another
// user's rights, a file shortened while it is open (Windows refuses that:
// the source is open without write sharing).
#ifndef _WIN32

// The tests on a file system of their own mount a tmpfs, which needs root:
// without it they skip, and what they check goes untested.
const char* const rootNeeded =
    "mounting a tmpfs needs root: run the tests as root (CI does) to check this";

// Writes into path until the disk it is on is full.
void fillUp(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    const std::string block(4096, 'x');
    while (fd >= 0 && ::write(fd, block.data(), block.size()) > 0) {
    }
    ::close(fd);
}

TEST_F(SplitRun, DiskTooSmallIsRefusedBeforeTheFirstPiece)
{
    SmallFileSystem disk(4 << 20);
    if (!disk.mounted())
        GTEST_SKIP() << rootNeeded;
    writeFile(dir / "a.bin", randomBytes(8 << 20, 5));
    EXPECT_TRUE(split(dir / "a.bin", 1 << 20, disk / "a.bin"));
    // Eight pieces and a script of one block, against the whole tmpfs.
    expectErrorNotice({"磁盘空间不足", "8392704 字节", "4194304 字节"});
    EXPECT_TRUE(listFolder(disk.path()).empty());
    // Short of the room by less than the whole room.
    writeFile(dir / "a.bin", randomBytes(5 << 20, 8));
    host.notices.clear();
    EXPECT_TRUE(split(dir / "a.bin", 1 << 20, disk / "a.bin"));
    expectErrorNotice({"磁盘空间不足", "5246976 字节"});
    EXPECT_TRUE(listFolder(disk.path()).empty());

    // Older pieces of the same names give their room back when emptied.
    const std::string source = randomBytes(3 << 20, 6);
    writeFile(dir / "a.bin", source);
    for (const char* older : {"a.bin.000", "a.bin.001", "a.bin.002"})
        writeFile(disk / older, std::string(1200 << 10, 'x'));
    host.notices.clear();
    EXPECT_TRUE(split(dir / "a.bin", 1 << 20, disk / "a.bin"));
    EXPECT_EQ(host.notices, std::vector<std::string>{completion(3, disk / "a.bin.BAT")});
    EXPECT_EQ(readFile(disk / "a.bin.000") + readFile(disk / "a.bin.001") +
                  readFile(disk / "a.bin.002"),
              source);

    // A larger source refused for the room leaves the script of the last split.
    const std::string script = readFile(disk / "a.bin.BAT");
    ASSERT_FALSE(script.empty());
    writeFile(dir / "a.bin", randomBytes(8 << 20, 7));
    host.notices.clear();
    EXPECT_TRUE(split(dir / "a.bin", 1 << 20, disk / "a.bin"));
    expectErrorNotice({"磁盘空间不足"});
    EXPECT_EQ(readFile(disk / "a.bin.BAT"), script);
}

// The pieces and the script are counted in the blocks they take, less the
// blocks (not the length) of older files of the same names, against the room
// of a disk of 256 blocks; only pieces beside their source on a disk whose
// files share blocks (Btrfs) are not counted, and there the disk tells.
TEST_F(SplitRun, RoomIsCountedInBlocksUnlessThePiecesMayShareTheSources)
{
    constexpr long btrfs = 0x9123683E;
    struct Case
    {
        const char* what;
        std::size_t length;
        bool besideTheSource;
        long told; // the disk's type where not its own
        bool sparseOlderPiece;
        const char* notice; // as it begins, after the error prefix; empty: completes
    };
    for (const Case& c : {
             Case{"the room exactly", (1 << 20) - 4096, false, 0, false, ""},
             Case{"beside the source", 600 << 10, true, 0, false, "磁盘空间不足：分割需要"},
             Case{"beside the source on Btrfs", 600 << 10, true, btrfs, false, "无法写入文件"},
             Case{"another disk on Btrfs", 1200 << 10, false, btrfs, false,
                  "磁盘空间不足：分割需要"},
             Case{"a sparse older piece", 1200 << 10, false, 0, true, "磁盘空间不足：分割需要"},
         }) {
        SmallFileSystem disk(1 << 20);
        if (!disk.mounted())
            GTEST_SKIP() << rootNeeded;
        const std::string sfile = c.besideTheSource ? disk / "a.bin" : dir / "a.bin";
        writeFile(sfile, randomBytes(c.length));
        if (c.sparseOlderPiece) {
            writeFile(disk / "a.bin.000", "");
            fs::resize_file(disk / "a.bin.000", 8 << 20);
        }
        testsupport::FaultyCalls calls;
        calls.toldFileSystemType = c.told;
        host.notices.clear();
        EXPECT_TRUE(split(sfile, static_cast<std::int32_t>(c.length / 3), disk / "a.bin"));
        if (*c.notice == '\0') {
            EXPECT_EQ(host.notices, std::vector<std::string>{completion(3, disk / "a.bin.BAT")})
                << c.what;
        } else {
            ASSERT_EQ(host.notices.size(), 1u) << c.what;
            EXPECT_TRUE(startsWith(host.notices[0], errorPrefix + c.notice))
                << c.what << ": " << host.notices[0];
        }
    }
}

TEST_F(SplitRun, DiskThatFillsDuringTheRunIsAFailureAndKeepsFinishedPieces)
{
    // Four pieces, each followed by a pump, then their read-back, each
    // followed by a pump: another program fills the disk after the first
    // piece, or just before the script.
    struct Case
    {
        int fillAtPump;
        std::string failing;
    };
    for (const Case& c : {Case{1, "a.bin.001"}, Case{8, "a.bin.BAT"}}) {
        SmallFileSystem disk(64 << 10);
        if (!disk.mounted())
            GTEST_SKIP() << rootNeeded;
        const std::string source = randomBytes(3 * 16384 + 1);
        writeFile(dir / "a.bin", source);
        host.notices.clear();
        host.pumps = 0;
        host.onPump = [&](int pump) {
            if (pump == c.fillAtPump)
                fillUp(disk / "filler");
        };
        EXPECT_TRUE(split(dir / "a.bin", 16384, disk / "a.bin"));
        expectErrorNotice({c.failing, "磁盘空间不足"});
        EXPECT_EQ(readFile(disk / "a.bin.000"), source.substr(0, 16384));
        // No script that joins, and none cut short either.
        EXPECT_EQ(readFile(disk / "a.bin.BAT"), "") << c.failing;
    }
}

// A stick that holds less than it claims overwrites its first pieces with
// the later ones: every write succeeds, and only reading the pieces back
// from the stick shows it. An honest stick of the same size takes the split.
TEST_F(SplitRun, PiecesOnAnotherDiskAreReadBackBeforeTheScript)
{
    const std::string source = randomBytes(48 << 20, 7);
    writeFile(dir / "a.bin", source);
    struct Case
    {
        std::int64_t holds;
        std::string notice; // empty: the split completes
    };
    for (const Case& c : {Case{16 << 20, "校验失败：分割后的文件“"}, Case{64 << 20, ""}}) {
        testsupport::FakeStickMount stick(64 << 20, c.holds);
        if (!stick.mounted())
            GTEST_SKIP() << "the fake stick needs FUSE and root (CI has both)";
        host.notices.clear();
        host.captions.clear();
        EXPECT_TRUE(split(dir / "a.bin", 4 << 20, stick / "a.bin"));
        if (c.notice.empty()) {
            EXPECT_EQ(host.notices, std::vector<std::string>{completion(12, stick / "a.bin.BAT")});
            std::string joined;
            for (int i = 0; i < 12; ++i)
                joined += readFile(
                    stick / ("a.bin.0" + std::string(i < 10 ? "0" : "") + std::to_string(i)));
            EXPECT_TRUE(joined == source) << "the pieces do not join";
            EXPECT_EQ(host.captions.back(), "正在校验:" + stick / "a.bin.011" + " " +
                                                tarvolin::NumberServices::percentText(1.0));
        } else {
            expectErrorNotice({c.notice + stick / "a.bin.000" + "”从第 1 个字节起", "实际容量"});
            EXPECT_FALSE(fs::exists(fromUtf8(stick / "a.bin.BAT")));
        }
    }
}

TEST_F(SplitRun, ReadOnlyDiskIsNamedAsSuch)
{
    SmallFileSystem disk(64 << 10);
    if (!disk.mounted() || !disk.makeReadOnly())
        GTEST_SKIP() << rootNeeded;
    writeFile(dir / "a.bin", randomBytes(300));
    EXPECT_TRUE(split(dir / "a.bin", 100, disk / "a.bin"));
    expectErrorNotice({"无法创建文件“" + (disk / "a.bin.000") + "”：磁盘是只读的"});
}

// Runs body in a child process and returns what it wrote to the pipe, for
// faults that need process-wide settings (a file size limit, another user).
std::string inChild(const std::function<std::string()>& body)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return "pipe failed";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::string out;
        try {
            out = body();
        } catch (const std::exception& e) {
            out = std::string("exception: ") + e.what();
        }
        [[maybe_unused]] const auto written = ::write(fds[1], out.data(), out.size());
        ::_exit(0); // never back into the test runner
    }
    ::close(fds[1]);
    std::string out;
    char chunk[4096];
    ssize_t got;
    while ((got = ::read(fds[0], chunk, sizeof chunk)) > 0)
        out.append(chunk, static_cast<std::size_t>(got));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return out;
}

TEST_F(SplitRun, FileSizeLimitMidPieceIsAFailureAndKeepsThePartialPiece)
{
    writeFile(dir / "a.bin", randomBytes(3000));
    const std::string notice = inChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1500, 1500};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        RecordingHost child;
        tarvolin::PieceBuffer childBuffer;
        tarvolin::splitlt(child, childBuffer, dir / "a.bin", 2000, dir / "a.bin");
        return child.notices.empty() ? std::string() : child.notices.back();
    });
    EXPECT_TRUE(startsWith(notice, errorPrefix)) << notice;
    EXPECT_NE(notice.find("文件太大"), std::string::npos) << notice;
    EXPECT_EQ(fs::file_size(dir / "a.bin.000"), 1500u);
    EXPECT_FALSE(fs::exists(dir / "a.bin.BAT"));
}

TEST_F(SplitRun, UnreadableSourceAndUnwritableFolderAreClearFailures)
{
    writeFile(dir / "a.bin", randomBytes(300));
    fs::create_directory(dir / "locked");
    fs::permissions(dir.path(), fs::perms::all);
    fs::permissions(dir / "a.bin", fs::perms::none);
    fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec |
                                        fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
    // Root reads and writes everything: the split runs with an ordinary
    // user's rights, in a child process; its last notice comes back.
    const auto splitAsNobody = [&] {
        return inChild([&] {
            if (::geteuid() == 0 && ::setuid(65534) != 0)
                return std::string("setuid failed");
            RecordingHost child;
            tarvolin::PieceBuffer childBuffer;
            tarvolin::splitlt(child, childBuffer, dir / "a.bin", 100, dir / "locked/a.bin");
            return child.notices.empty() ? std::string() : child.notices.back();
        });
    };
    const std::string unreadable = splitAsNobody();
    EXPECT_TRUE(startsWith(unreadable, errorPrefix + "无法打开文件")) << unreadable;
    EXPECT_NE(unreadable.find("没有访问权限"), std::string::npos) << unreadable;

    // Readable by all now; the output folder is not writable.
    fs::permissions(dir / "a.bin",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string unwritable = splitAsNobody();
    EXPECT_TRUE(startsWith(unwritable, errorPrefix + "无法创建文件")) << unwritable;
    EXPECT_NE(unwritable.find("没有访问权限"), std::string::npos) << unwritable;
    EXPECT_TRUE(listFolder(dir / "locked").empty());
}

TEST_F(SplitRun, SourceThatShrinksIsAFailureNotAZeroFilledPiece)
{
    const std::string source = randomBytes(300);
    writeFile(dir / "a.bin", source);
    host.onPump = [&](int pieces) {
        if (pieces == 1)
            fs::resize_file(dir / "a.bin", 150);
    };
    EXPECT_TRUE(split(dir / "a.bin", 100, dir / "a.bin"));
    expectErrorNotice({"读取不完整", "a.bin"});
    EXPECT_EQ(readFile(dir / "a.bin.000"), source.substr(0, 100));
    // The piece being copied stays as far as the source went: no made-up bytes.
    EXPECT_EQ(readFile(dir / "a.bin.001"), source.substr(100, 50));
    EXPECT_FALSE(fs::exists(dir / "a.bin.BAT"));
}

// A file still being written (a download, a recording, a torrent that
// writes into a file of its full size) was cut as it stood when the run
// opened it: its pieces would not join into the file on the disk. Neither
// the change nor a read-back that meets it is told as the disk's fault.
TEST_F(SplitRun, SourceWrittenToDuringTheRunIsAFailureWithNoScript)
{
    const auto overwrite = [&](std::int64_t at) {
        {
            std::fstream file(fromUtf8(dir / "a.bin"),
                              std::ios::in | std::ios::out | std::ios::binary);
            file.seekp(at);
            file.write("\xff\xfe\xfd\xfc", 4);
        }
        // Two writes within one tick of the clock can bear one time.
        fs::last_write_time(fromUtf8(dir / "a.bin"),
                            fs::last_write_time(fromUtf8(dir / "a.bin")) + std::chrono::seconds(2));
    };
    SmallFileSystem otherDisk(1 << 20);
    struct Case
    {
        const char* what;
        int atPump;
        std::function<void()> change;
        bool toOtherDisk;
        std::vector<std::string> words;
    };
    const std::vector<Case> cases{
        {"grows",
         1,
         [&] { fs::resize_file(fromUtf8(dir / "a.bin"), 400); },
         false,
         {"在分割过程中变长了", "300", "400"}},
        {"written in place", 1, [&] { overwrite(0); }, false, {"在分割过程中被修改了"}},
        {"written in place during the read-back",
         4,
         [&] { overwrite(250); },
         true,
         {"在分割过程中被修改了"}},
    };
    for (const Case& c : cases) {
        if (c.toOtherDisk && !otherDisk.mounted()) {
            ADD_FAILURE() << rootNeeded;
            continue;
        }
        writeFile(dir / "a.bin", randomBytes(300));
        host.notices.clear();
        host.pumps = 0;
        host.onPump = [&](int pumps) {
            if (pumps == c.atPump)
                c.change();
        };
        const std::string oname = c.toOtherDisk ? otherDisk / "a.bin" : dir / "a.bin";
        EXPECT_TRUE(split(dir / "a.bin", 100, oname)) << c.what;
        std::vector<std::string> words{"a.bin"};
        words.insert(words.end(), c.words.begin(), c.words.end());
        expectErrorNotice(words);
        EXPECT_EQ(host.notices[0].find("校验失败"), std::string::npos) << c.what;
        EXPECT_FALSE(fs::exists(fromUtf8(oname + ".BAT"))) << c.what;
    }
}

#endif

TEST_F(SplitRun, NeverWritesOverItsOwnSource)
{
    const std::string source = randomBytes(300);
    using Prepare = std::function<void(const TempDir&)>;
    struct Case
    {
        std::string sfile, oname, refused;
        Prepare prepare = [](const TempDir&) {};
        Prepare atFirstPump = [](const TempDir&) {};
    };
    std::vector<Case> cases{
        {"x.000", "x", "x.000"}, // the first piece
        {"x.002", "x", "x.002"}, // the last piece
        {"x.BAT", "x", "x.BAT"}, // the script
        {"x.002", "sub/../x", "x.002",
         [](const TempDir& d) { fs::create_directory(d.path() / "sub"); }},
        {"h.bin", "x", "x.001",
         [](const TempDir& d) { fs::create_hard_link(d.path() / "h.bin", d.path() / "x.001"); }},
        // An older script that is the source under another name is not emptied.
        {"h.bin", "x", "x.BAT",
         [](const TempDir& d) { fs::create_hard_link(d.path() / "h.bin", d.path() / "x.BAT"); }},
        // The same name but for its case: one file where case does not count,
        // even where the disk tells two identities for it (exFAT through FUSE).
        {"SRC.bin.000", "src.bin", "src.bin.000"},
    };
#ifndef _WIN32 // Wine makes no symbolic links
    cases.push_back({"s.bin", "x", "x.001", [](const TempDir& d) {
                         fs::create_symlink(d.path() / "s.bin", d.path() / "x.001");
                     }});
    // The script becomes a link to the source while the pieces are written.
    cases.push_back(
        {"s.bin", "x", "x.BAT", [](const TempDir&) {},
         [](const TempDir& d) { fs::create_symlink(d.path() / "s.bin", d.path() / "x.BAT"); }});
#endif
    for (const Case& c : cases) {
        TempDir scratch;
        writeFile(scratch / c.sfile, source);
        c.prepare(scratch);
        host.notices.clear();
        host.pumps = 0;
        host.onPump = [&](int pumps) {
            if (pumps == 1)
                c.atFirstPump(scratch);
        };
        EXPECT_TRUE(split(scratch / c.sfile, 100, scratch / c.oname)) << c.refused;
        expectErrorNotice({c.refused, "被分割文件本身"});
        // Only a name that differs in case is said to.
        ASSERT_FALSE(host.notices.empty());
        EXPECT_EQ(host.notices[0].find("大小写不同") != std::string::npos, c.sfile == "SRC.bin.000")
            << host.notices[0];
        EXPECT_EQ(readFile(scratch / c.sfile), source) << c.refused;
        if (c.refused != "x.BAT") {
            EXPECT_FALSE(fs::exists(scratch / "x.BAT"));
        }
    }
}

#ifndef _WIN32
TEST_F(SplitRun, SameFileNumberOnAnotherDiskIsNotTheSource)
{
    // The first file made on a fresh tmpfs gets the same number as the first
    // on another: only the device tells them apart.
    SmallFileSystem one(1 << 20), other(1 << 20);
    if (!one.mounted() || !other.mounted())
        GTEST_SKIP() << rootNeeded;
    const std::string source = randomBytes(300);
    writeFile(one / "x", source);
    ASSERT_TRUE(split(one / "x", 100, other / "x"));
    struct stat a, b;
    ASSERT_EQ(::stat((one / "x").c_str(), &a) | ::stat((other / "x.000").c_str(), &b), 0);
    ASSERT_EQ(a.st_ino, b.st_ino) << "the two disks numbered their files differently";
    EXPECT_EQ(host.notices, std::vector<std::string>{completion(3, other / "x.BAT")});
    EXPECT_EQ(readFile(other / "x.000") + readFile(other / "x.001") + readFile(other / "x.002"),
              source);
}
#endif

#ifndef _WIN32
TEST_F(SplitRun, SameFileNumberOnAnotherDeviceIsNotTheSourceWithoutAMount)
{
    // Only the device tells the source from a piece, and a hard link to the
    // source shares its device.
    testsupport::FaultyCalls calls;
    calls.oneNumberPerDevice = true;
    const std::string source = randomBytes(300);
    writeFile(dir / "x", source);
    ASSERT_TRUE(split(dir / "x", 100, dir / "x"));
    EXPECT_EQ(host.notices, std::vector<std::string>{completion(3, dir / "x.BAT")});
    EXPECT_EQ(readFile(dir / "x.000") + readFile(dir / "x.001") + readFile(dir / "x.002"), source);

    fs::remove(dir / "x.001");
    fs::create_hard_link(dir / "x", dir / "x.001");
    host.notices.clear();
    EXPECT_TRUE(split(dir / "x", 100, dir / "x"));
    expectErrorNotice({"x.001", "被分割文件本身"});
    EXPECT_EQ(readFile(dir / "x"), source);
}

// Pieces on another device are read back: one that reads back short fails.
TEST_F(SplitRun, PieceThatReadsBackShortFailsTheCheck)
{
    using Call = testsupport::FaultyCalls::Call;
    testsupport::FaultyCalls calls({{Call::readAt, 1, testsupport::FaultyCalls::Effect::nothing}});
    calls.oneNumberPerDevice = true;
    writeFile(dir / "x", randomBytes(300));
    EXPECT_TRUE(split(dir / "x", 100, dir / "x"));
    expectErrorNotice(
        {"校验失败：分割后的文件“" + dir / "x.000" + "”读回来只有 0 字节，比写入的 100 字节短"});
}
#endif

TEST_F(SplitRun, RerunWithLargerPiecesReplacesEveryPieceAndTheScript)
{
    const std::string source = randomBytes(1000, 7);
    writeFile(dir / "a.bin", source);
    ASSERT_TRUE(split(dir / "a.bin", 100, dir / "a.bin"));
    ASSERT_TRUE(split(dir / "a.bin", 400, dir / "a.bin"));
    EXPECT_EQ(readFile(dir / "a.bin.000"), source.substr(0, 400));
    EXPECT_EQ(readFile(dir / "a.bin.001"), source.substr(400, 400));
    EXPECT_EQ(readFile(dir / "a.bin.002"), source.substr(800));
    EXPECT_EQ(readFile(dir / "a.bin.BAT"),
              "COPY/B a.bin.000/B+a.bin.001/B+a.bin.002/B a.bin/B\r\n");
}

TEST_F(SplitRun, NamesWithBlanksPercentAndChineseJoinBack)
{
    for (const std::string name : {"my file.avi", "50% off.txt", "电影 (1).avi", "a&b=c.bin"}) {
        TempDir scratch;
        const std::string source = randomBytes(1234, 3);
        writeFile(scratch / name, source);
        host.notices.clear();
        ASSERT_TRUE(split(scratch / name, 500, scratch / name));
        ASSERT_EQ(host.notices, std::vector<std::string>{completion(3, scratch / name + ".BAT")});
        fs::rename(fromUtf8(scratch / name), scratch.path() / "original");
        ScriptRunner::run(scratch.path(), readFile(scratch / name + ".BAT"), chineseCodePage);
        EXPECT_EQ(readFile(scratch / name), source) << name;
    }
}

TEST_F(SplitRun, RoundTripOverManySizes)
{
    std::mt19937 generator(42);
    // Over 999 pieces (four-digit suffixes) and a script of several lines.
    struct Case
    {
        std::size_t length;
        std::int32_t splitsize;
    };
    std::vector<Case> cases{{2500, 2}, {1001 * 3, 3}};
#ifndef _WIN32
    cases.push_back({65533, 2}); // the most pieces a split makes (slow to create under Wine)
#endif
    // Random lengths, each cut into 2 to 1500 pieces.
    for (int i = 0; i < 12; ++i) {
        const std::size_t length = 3 + generator() % 20000;
        const std::size_t pieces = 2 + generator() % std::min<std::size_t>(1499, length - 2);
        cases.push_back({length, static_cast<std::int32_t>((length + pieces - 1) / pieces)});
    }
    for (const Case& c : cases) {
        if (static_cast<std::int64_t>(c.length) <= std::int64_t{c.splitsize} + 1)
            continue;
        // Tens of thousands of pieces, each flushed to the device.
        TempDir scratch(testsupport::memoryFolder());
        const std::string source = randomBytes(c.length, static_cast<std::uint32_t>(c.length));
        writeFile(scratch / "in.bin", source);
        host.notices.clear();
        ASSERT_TRUE(split(scratch / "in.bin", c.splitsize, scratch / "in.bin"));
        const std::size_t count = (c.length + c.splitsize - 1) / c.splitsize;
        ASSERT_EQ(host.notices, std::vector<std::string>{
                                    completion(static_cast<int>(count), scratch / "in.bin.BAT")});
        const std::string script = readFile(scratch / "in.bin.BAT");
        for (const std::string& line : ScriptRunner::splitLines(script))
            EXPECT_LE(line.size(), 8191u);
        fs::rename(scratch / "in.bin", scratch / "original");
        ScriptRunner::run(scratch.path(), script, chineseCodePage);
        EXPECT_EQ(readFile(scratch / "in.bin"), source) << c.length << " / " << c.splitsize;
        EXPECT_EQ(listFolder(scratch.path()).size(), count + 3);
    }
}

TEST_F(SplitRun, BufferServesSmallAndHugePiecesAlike)
{
    // Pieces on both sides of the 2 MiB where the buffer switches to huge
    // pages, one run after the other through the same buffer.
    const std::string source = randomBytes((std::size_t{7} << 20) + 3, 9);
    writeFile(dir / "a.bin", source);
    for (const std::size_t piece : {(std::size_t{2} << 20) - 1, std::size_t{2} << 20,
                                    (std::size_t{3} << 20) + 5, std::size_t{1} << 20}) {
        TempDir out;
        host.notices.clear();
        ASSERT_TRUE(split(dir / "a.bin", static_cast<std::int32_t>(piece), out / "a.bin"));
        const std::size_t count = (source.size() + piece - 1) / piece;
        ASSERT_EQ(host.notices,
                  std::vector<std::string>{completion(static_cast<int>(count), out / "a.bin.BAT")});
        for (std::size_t i = 0; i < count; ++i) {
            char suffix[24];
            std::snprintf(suffix, sizeof suffix, ".%03zu", i);
            EXPECT_EQ(readFile(out / "a.bin" + suffix), source.substr(i * piece, piece))
                << piece << " piece " << i;
        }
        // Windows reads a piece back past its cache only into aligned memory
        // (Wine does not insist).
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(buffer.data()) % 4096, 0u);
    }
}

#ifndef _WIN32
TEST_F(SplitRun, BufferGrowsForLargerPiecesWhereTheSystemCannotCopy)
{
    using testsupport::FaultyCalls;
    FaultyCalls calls({{FaultyCalls::Call::copyFileRange, 0, FaultyCalls::Effect::fail, ENOSYS}});
    const std::string source = randomBytes(3000, 12);
    writeFile(dir / "a.bin", source);
    for (const std::int32_t piece : {100, 1000}) {
        TempDir out;
        ASSERT_TRUE(split(dir / "a.bin", piece, out / "a.bin"));
        EXPECT_EQ(readFile(out / "a.bin.001"), source.substr(piece, piece)) << piece;
    }
}
#endif

TEST_F(SplitRun, SplitStartedFromThePumpRunsWholeInsideTheFirst)
{
    const std::string outer = randomBytes(300, 1);
    const std::string inner = randomBytes(500, 2);
    writeFile(dir / "outer.bin", outer);
    writeFile(dir / "inner.bin", inner);
    host.onPump = [&](int pumps) {
        if (pumps == 1)
            split(dir / "inner.bin", 200, dir / "inner.bin"); // shares the buffer
    };
    EXPECT_TRUE(split(dir / "outer.bin", 100, dir / "outer.bin"));
    EXPECT_EQ(host.notices, (std::vector<std::string>{completion(3, dir / "inner.bin.BAT"),
                                                      completion(3, dir / "outer.bin.BAT")}));
    EXPECT_EQ(readFile(dir / "outer.bin.001"), outer.substr(100, 100));
    EXPECT_EQ(readFile(dir / "outer.bin.002"), outer.substr(200));
    EXPECT_EQ(readFile(dir / "inner.bin.002"), inner.substr(400));
}

TEST_F(SplitRun, EveryCharacterTheInterpreterReadsIsQuotedAndJoinsBack)
{
    for (const std::string name : {"a+b.bin", "a,b.bin", "a=b.bin", "a;b.bin", "a'b.bin",
                                   "a[b]{c}.bin", "a~b.bin", "a`b.bin", "a b.bin", "a&b.bin",
                                   "a(b).bin", "a^b.bin", "a!b.bin", "50%.bin", "一个 文件.bin"}) {
        TempDir scratch;
        const std::string source = randomBytes(250, 5);
        writeFile(scratch / name, source);
        host.notices.clear();
        ASSERT_TRUE(split(scratch / name, 100, scratch / name));
        ASSERT_EQ(host.notices, std::vector<std::string>{completion(3, scratch / name + ".BAT")});
        fs::rename(fromUtf8(scratch / name), scratch.path() / "original");
        EXPECT_NO_THROW(
            ScriptRunner::run(scratch.path(), readFile(scratch / name + ".BAT"), chineseCodePage))
            << name;
        EXPECT_EQ(readFile(scratch / name), source) << name;
    }
}

TEST_F(SplitRun, NamesTheScriptCannotCarryAreRefusedBeforeAnyPiece)
{
    writeFile(dir / "a.bin", randomBytes(300));
    // What goes into the script is oname's bare name: an output folder
    // ending in a separator with no file chosen leaves it empty.
    struct Case
    {
        std::string oname, word;
    };
    std::vector<Case> cases{{dir.folder(), "没有名字"},    {dir / "a\r\ndel *.*", "回车符"},
                            {dir / "a\"b", "“\"”"},        {dir / "a|b", "“|”"},
                            {dir / "a<b", "“<”"},          {dir / "a>b", "“>”"},
                            {dir / "a*.bin", "“*”"},       {dir / "한국어.bin", "代码页 936"},
                            {dir / "😀.bin", "代码页 936"}, {dir / "nul", "设备名"},
                            {dir / "CON.bin", "设备名"}};
#ifndef _WIN32
    // Names no Windows holds, and bytes no Windows reads as text.
    cases.insert(cases.end(), {{dir / "a:b.bin", "“:”"},
                               {dir / "a\\b.bin", "“\\”"},
                               {dir / "caf\xE9.bin", "代码页 936"}});
#endif
    for (const Case& c : cases) {
        host.notices.clear();
        EXPECT_TRUE(split(dir / "a.bin", 100, c.oname));
        expectErrorNotice({c.word, "请"});
    }
    EXPECT_EQ(listFolder(dir.path()), std::vector<std::string>{"a.bin"});
    EXPECT_TRUE(host.captions.empty());
}

TEST_F(SplitRun, ScriptIsInCodePage936AndJoinsBack)
{
    // Each name's bytes in the script, written out from Windows' table of
    // code page 936 (the euro sign and the em dash as Windows has them).
    struct Case
    {
        std::string name, inScript;
    };
    for (const Case& c :
         {Case{"电影 片段.mkv", "\"\xB5\xE7\xD3\xB0 \xC6\xAC\xB6\xCE.mkv"},
          Case{"测试100%.bin", "\xB2\xE2\xCA\xD4"
                               "100%%.bin"},
          Case{"a&b^c!.bin", "\"a&b^c!.bin"},
          Case{"报告—终稿€.bin", "\xB1\xA8\xB8\xE6\xA1\xAA\xD6\xD5\xB8\xE5\x80.bin"},
          // The ideographic space, A1 A1, is quoted as the ASCII blank is.
          Case{"ＡＢＣ全角１２３　空格.bin",
               "\"\xA3\xC1\xA3\xC2\xA3\xC3\xC8\xAB\xBD\xC7\xA3\xB1\xA3\xB2"
               "\xA3\xB3\xA1\xA1\xBF\xD5\xB8\xF1.bin"}}) {
        TempDir scratch;
        const std::string source = randomBytes(250, 12);
        writeFile(scratch / c.name, source);
        host.notices.clear();
        ASSERT_TRUE(split(scratch / c.name, 100, scratch / c.name));
        ASSERT_EQ(host.notices, std::vector<std::string>{completion(3, scratch / c.name + ".BAT")});
        const std::string close = c.inScript[0] == '"' ? "\"" : "";
        const auto piece = [&](const char* suffix) { return c.inScript + suffix + close; };
        EXPECT_EQ(readFile(scratch / c.name + ".BAT"), "COPY/B " + piece(".000") + "/B+" +
                                                           piece(".001") + "/B+" + piece(".002") +
                                                           "/B " + c.inScript + close + "/B\r\n")
            << c.name;
        fs::rename(fromUtf8(scratch / c.name), scratch.path() / "original");
        ScriptRunner::run(scratch.path(), readFile(scratch / c.name + ".BAT"), chineseCodePage);
        EXPECT_EQ(readFile(scratch / c.name), source) << c.name;
    }
}

#ifndef _WIN32
// GBK-named files in a UTF-8 system split under their own bytes, and the
// script names the pieces with those bytes and joins them. A hang (a name
// read without end) fails the test through the alarm.
TEST_F(SplitRun, GbkNamedFilesSplitUnderTheirOwnBytes)
{
    ::alarm(60);
    for (const std::string gbkName : {
             "\xB5\xE7\xD3\xB0 \xC6\xAC\xB6\xCE.avi", // 电影 片段.avi, as Chinese Windows writes it
             "\xC3\x7C\xE5\x5C.bin",   // 脇錦.bin: second bytes that read as "|" and "\"
             "\xF4\x90\x81\x80.bin",   // 魫亐.bin: a lead byte of four-byte UTF-8 beyond U+10FFFF
             "a@\xB5\xE7\x81\x40.bin", // a@电丂.bin: "@" and a second byte 0x40
         }) {
        TempDir scratch;
        const std::string source = scratch / gbkName;
        const std::string bytes = randomBytes(2500);
        writeFile(source, bytes);
        host.notices.clear();
        split(source, 1000, source);
        ASSERT_EQ(host.notices, std::vector<std::string>{completion(3, source + ".BAT")})
            << gbkName;
        const std::string script = readFile(source + ".BAT");
        EXPECT_NE(script.find(gbkName + ".002"), std::string::npos) << script;
        fs::rename(fromUtf8(source), scratch.path() / "original");
        ScriptRunner::run(scratch.path(), script, chineseCodePage);
        EXPECT_EQ(readFile(source), bytes) << script;
    }
    ::alarm(0);
}
#endif

TEST_F(SplitRun, OlderScriptIsEmptiedOnceTheFirstPieceIsDue)
{
    const std::string source = randomBytes(300, 13);
    writeFile(dir / "a.bin", source);
    const std::string script = "COPY/B a.bin.000/B+a.bin.001/B+a.bin.002/B a.bin/B\r\n";
    ASSERT_TRUE(split(dir / "a.bin", 100, dir / "a.bin"));
    // Refused before the first piece (too small; a division by zero): the
    // older script still describes the pieces.
    split(dir / "a.bin", 1000, dir / "a.bin");
    split(dir / "a.bin", 0, dir / "a.bin");
    EXPECT_EQ(readFile(dir / "a.bin.BAT"), script);
    // Refused for its name (the script has a second name that code page 936
    // cannot hold), or as a split from the pump of a running one whose piece
    // it would read: the script stays.
    fs::create_hard_link(fromUtf8(dir / "a.bin.BAT"), fromUtf8(dir / "한국어.bin.BAT"));
    split(dir / "a.bin", 100, dir / "한국어.bin");
    EXPECT_EQ(readFile(dir / "a.bin.BAT"), script);
    writeFile(dir / "c.bin", randomBytes(300, 14));
    host.pumps = 0;
    host.onPump = [&](int pumps) {
        if (pumps == 1)
            split(dir / "c.bin.000", 10, dir / "a.bin");
    };
    split(dir / "c.bin", 100, dir / "c.bin");
    host.onPump = nullptr;
    ASSERT_EQ(host.notices.size(), 6u);
    EXPECT_NE(host.notices[3].find("代码页 936"), std::string::npos) << host.notices[3];
    EXPECT_NE(host.notices[4].find("另一次分割还在进行中"), std::string::npos) << host.notices[4];
    EXPECT_EQ(readFile(dir / "a.bin.BAT"), script);
    fs::remove(fromUtf8(dir / "한국어.bin.BAT"));
#ifndef _WIN32
    // Ended by a failure at the second piece, or by closing the program:
    // no script joins old and new pieces.
    using testsupport::FaultyCalls;
    const std::vector<std::function<void()>> endings{
        [&] {
            FaultyCalls calls(
                {{FaultyCalls::Call::write, 2, FaultyCalls::Effect::fail, ENOSPC},
                 {FaultyCalls::Call::copyFileRange, 0, FaultyCalls::Effect::fail, ENOSYS}});
            split(dir / "a.bin", 150, dir / "a.bin");
        },
        [&] {
            inChild([&] {
                host.onPump = [](int) { ::_exit(0); };
                split(dir / "a.bin", 150, dir / "a.bin");
                return std::string();
            });
        }};
    for (const auto& end : endings) {
        ASSERT_TRUE(split(dir / "a.bin", 100, dir / "a.bin"));
        ASSERT_EQ(readFile(dir / "a.bin.BAT"), script);
        end();
        EXPECT_EQ(readFile(dir / "a.bin.000"), source.substr(0, 150));
        EXPECT_EQ(readFile(dir / "a.bin.BAT"), "");
    }
#endif
}

#ifndef _WIN32

TEST_F(SplitRun, NewPiecesTakeThePermissionsTheUmaskAllows)
{
    writeFile(dir / "a.bin", randomBytes(300));
    for (const auto& [mask, expected] :
         {std::pair{0022, fs::perms(0644)}, {0077, fs::perms(0600)}}) {
        const mode_t before = ::umask(static_cast<mode_t>(mask));
        TempDir out;
        split(dir / "a.bin", 100, out / "a.bin");
        ::umask(before);
        for (const std::string name : {"a.bin.000", "a.bin.002", "a.bin.BAT"})
            EXPECT_EQ(fs::status(out / name).permissions(), expected) << name << " " << mask;
    }
}

// What a hostile or careless folder holds where the pieces go: the run must
// never hang, never write into something that is not a file, and always say
// what stopped it. A hang fails the test through the alarm.
TEST_F(SplitRun, HostileOutputsAreRefusedWithoutHanging)
{
    ::alarm(60);
    const std::string source = randomBytes(300, 4);
    struct Case
    {
        std::string what;
        std::function<void(const TempDir&)> prepare;
        std::string notice;
    };
    const auto fifo = [](const std::string& name) {
        return [name](const TempDir& d) { ASSERT_EQ(::mkfifo((d / name).c_str(), 0600), 0); };
    };
    const std::vector<Case> cases{
        {"pipe as a piece", fifo("a.bin.001"), "a.bin.001”不是普通文件"},
        {"pipe as the script", fifo("a.bin.BAT"), "a.bin.BAT”不是普通文件"},
        {"folder as a piece",
         [](const TempDir& d) { fs::create_directory(d.path() / "a.bin.000"); }, "a.bin.000"},
        {"device as a piece",
         [](const TempDir& d) { fs::create_symlink("/dev/full", d.path() / "a.bin.002"); },
         "a.bin.002”不是普通文件"},
    };
    for (const Case& c : cases) {
        TempDir out;
        c.prepare(out);
        writeFile(dir / "a.bin", source);
        host.notices.clear();
        EXPECT_TRUE(split(dir / "a.bin", 100, out / "a.bin")) << c.what;
        ASSERT_EQ(host.notices.size(), 1u) << c.what;
        EXPECT_NE(host.notices[0].find(c.notice), std::string::npos) << host.notices[0];
        EXPECT_EQ(readFile(dir / "a.bin"), source) << c.what;
        if (c.what != "pipe as the script") {
            EXPECT_FALSE(fs::exists(out / "a.bin.BAT")) << c.what;
        }
    }
    ::alarm(0);
}

// The source is opened before its length is taken: a pipe must not block.
TEST_F(SplitRun, PipeAsTheSourceIsTooSmallWithoutHanging)
{
    ::alarm(60);
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(split(dir / "pipe", 100, dir / "pipe"));
    EXPECT_EQ(host.notices, std::vector<std::string>{tooSmall});
    ::alarm(0);
}

TEST_F(SplitRun, LongChineseAndOddNamesSplitOrAreRefusedClearly)
{
    // A 300-character path of Chinese folders and an 80-character name
    // (240 bytes, near the file system's limit) split and join back.
    std::string chinese;
    for (int i = 0; i < 40; ++i)
        chinese += "文件";
    fs::path folder = dir.path();
    for (int i = 0; i < 4; ++i)
        folder /= testsupport::fromUtf8(chinese.substr(0, 3 * 60));
    fs::create_directories(folder);
    const std::string base = testsupport::toUtf8(folder) + "/" + chinese;
    const std::string source = randomBytes(250, 8);
    writeFile(base, source);
    ASSERT_TRUE(split(base, 100, base));
    EXPECT_EQ(host.notices, std::vector<std::string>{completion(3, base + ".BAT")});
    fs::rename(fromUtf8(base), dir.path() / "original");
    ScriptRunner::run(folder, readFile(base + ".BAT"), chineseCodePage);
    EXPECT_EQ(readFile(base), source);

    // An output name the file system cannot take is named as too long.
    host.notices.clear();
    EXPECT_TRUE(split(dir / "original", 100, dir / (chinese + chinese)));
    expectErrorNotice({"无法创建文件", "文件名太长"});
}

TEST_F(SplitRun, WindowEventsArePumpedAndProgressShownDuringALongPiece)
{
    // A slow disk: every step of the copy takes 20 ms, or longer than the
    // pump interval. Pieces of 4 MiB take four steps each, so events are
    // pumped inside the piece too (at 70 ms a step, after every step), and
    // the caption shows how far the piece has come.
    const std::string source = randomBytes((std::size_t{8} << 20) + 1, 6);
    writeFile(dir / "a.bin", source);
    struct Case
    {
        int ms;
        int pumps;              // inside the two large pieces, and one after every piece
        std::uintmax_t atFirst; // the bytes of the first piece at the first pump
    };
    for (const Case c : {Case{20, 5, 3 << 20}, Case{70, 9, 1 << 20}}) {
        testsupport::TestClock clock;
        testsupport::FaultyCalls slow;
        slow.slowCopies = &clock;
        slow.copyTime = std::chrono::milliseconds(c.ms);
        std::vector<std::uintmax_t> sizesAtPumps;
        host.pumps = 0;
        host.captions.clear();
        host.shares.clear();
        host.progressEnds = 0;
        host.onPump = [&](int) { sizesAtPumps.push_back(fs::file_size(dir / "a.bin.000")); };
        ASSERT_TRUE(split(dir / "a.bin", 4 << 20, dir / "a.bin"));
        EXPECT_EQ(readFile(dir / "a.bin.000"), source.substr(0, 4 << 20));
        EXPECT_EQ(host.pumps, c.pumps) << c.ms << " ms a step";
        EXPECT_EQ(sizesAtPumps.front(), c.atFirst) << c.ms << " ms a step";
    }

    // Each piece ends on the text it always had; before it, only captions of
    // that piece whose share grows and stays below the piece's end.
    const std::vector<std::pair<std::string, double>> ends{
        {"a.bin.000", 33.33}, {"a.bin.001", 66.67}, {"a.bin.002", 100.0}};
    const auto endText = [&](std::size_t piece) {
        return "正在处理:" + dir / ends[piece].first + " " +
               tarvolin::NumberServices::percentText(ends[piece].second / 100, ".");
    };
    std::size_t piece = 0;
    int insideFirst = 0;
    double shown = 0;
    for (const std::string& caption : host.captions) {
        ASSERT_LT(piece, ends.size()) << caption;
        if (caption == endText(piece)) {
            shown = ends[piece++].second;
            continue;
        }
        const std::string prefix = "正在处理:" + dir / ends[piece].first + " ";
        ASSERT_TRUE(startsWith(caption, prefix)) << caption;
        const double percent = std::stod(caption.substr(prefix.size()));
        EXPECT_GT(percent, shown) << caption;
        EXPECT_LT(percent, ends[piece].second) << caption;
        shown = percent;
        insideFirst += piece == 0;
    }
    EXPECT_EQ(piece, ends.size());
    EXPECT_GT(insideFirst, 0) << "no caption inside the first piece";
    EXPECT_EQ(host.shares.size(), host.captions.size());
    EXPECT_EQ(host.shares.back(), std::make_pair(1.0, false));
    EXPECT_EQ(host.progressEnds, 1);
}

// Each system call of the run made to misbehave once: the run either goes
// on (an interrupted or partial call is resumed, a refused in-system copy
// falls back to reading and writing) and joins back byte for byte, or ends
// in its error notice, keeping the pieces before the fault whole and writing
// no script. No descriptor stays open either way (TearDown counts them).
struct SystemCallFault
{
    testsupport::FaultyCalls::Fault fault;
    // Empty: the split completes. "<dir>" stands for the test's folder,
    // with its trailing separator.
    std::string notice;
    int wholePieces;                                        // byte-exact pieces when it fails
    std::vector<testsupport::FaultyCalls::Fault> then = {}; // faults of later calls
};

using Call = testsupport::FaultyCalls::Call;
using Effect = testsupport::FaultyCalls::Effect;

// Three pieces of 100 bytes, a call each; closes: the pieces, the source
// before the last piece, the script.
const std::vector<SystemCallFault> systemCallFaults{
    {{Call::read, 1, Effect::fail, EINTR}, "", 3},
    {{Call::write, 2, Effect::fail, EINTR}, "", 3},
    {{Call::write, 2, Effect::half}, "", 3},
    {{Call::read, 2, Effect::half}, "", 3},
    {{Call::copyFileRange, 2, Effect::fail, EXDEV}, "", 3},
    {{Call::copyFileRange, 1, Effect::fail, ENOSYS}, "", 3},
    {{Call::copyFileRange, 3, Effect::fail, EINVAL}, "", 3},
    {{Call::copyFileRange, 2, Effect::half}, "", 3},
    {{Call::copyFileRange, 2, Effect::fail, EINTR}, "", 3},
    // Part of a step copied in the system, then refused: the rest of
    // the step, and only the rest, is read and written.
    {{Call::copyFileRange, 2, Effect::half},
     "",
     3,
     {{Call::copyFileRange, 3, Effect::fail, EXDEV}}},
    {{Call::copyFileRange, 3, Effect::half},
     "",
     3,
     {{Call::copyFileRange, 4, Effect::fail, EINVAL}}},
    {{Call::copyFileRange, 2, Effect::nothing}, "读取不完整", 1},
    {{Call::copyFileRange, 3, Effect::fail, ENOSPC},
     "无法写入文件“<dir>a.bin.002”：磁盘空间不足",
     2},
    {{Call::read, 3, Effect::nothing}, "读取不完整", 2},
    {{Call::read, 2, Effect::fail, EIO}, "无法读取文件“<dir>a.bin”：磁盘读写出错", 1},
    {{Call::write, 3, Effect::fail, ENOSPC}, "无法写入文件“<dir>a.bin.002”：磁盘空间不足", 2},
    {{Call::write, 1, Effect::nothing}, "磁盘空间不足", 0},
    {{Call::write, 2, Effect::fail, EDQUOT}, "无法写入文件“<dir>a.bin.001”：磁盘空间不足", 1},
    {{Call::open, 4, Effect::fail, EMFILE}, "无法创建文件“<dir>a.bin.001”：打开的文件太多", 1},
    {{Call::truncate, 1, Effect::fail, EIO}, "无法清空文件“<dir>a.bin.000”", 0},
    {{Call::close, 2, Effect::fail, EIO}, "无法关闭文件“<dir>a.bin.001”", 3},
    {{Call::close, 5, Effect::fail, EIO}, "无法关闭文件“<dir>a.bin.BAT”", 3},
    {{Call::close, 4, Effect::fail, EINTR}, "", 3},
    {{Call::read, 2, Effect::outOfMemory}, "内存不足", 1},
    // Flushes: each piece's write-back started as it is copied, waited
    // for once it lies far enough behind (small pieces: after the last),
    // the file system once, the script, the folder. A refused write-back
    // names its piece; one that only the file system's flush reports,
    // the folder.
    {{Call::syncRange, 1, Effect::fail, EIO}, "无法把文件存到磁盘上“<dir>a.bin.000", 0},
    {{Call::syncRange, 5, Effect::fail, EIO},
     "无法把文件存到磁盘上“<dir>a.bin.001”：磁盘读写出错",
     3},
    {{Call::syncFileSystem, 1, Effect::fail, EIO},
     "无法把分割后的文件存到磁盘上“<dir>”：磁盘读写出错",
     3},
    {{Call::dataSync, 1, Effect::fail, EIO}, "无法把文件存到磁盘上“<dir>a.bin.BAT", 3},
    {{Call::sync, 1, Effect::fail, EIO}, "无法把文件夹存到磁盘上", 3},
    {{Call::sync, 1, Effect::fail, EINTR}, "", 3},
    {{Call::dataSync, 1, Effect::fail, EINVAL}, "", 3},
    // A file system that cannot write a piece out, or flush itself, has
    // each piece flushed on its own, as a failing flush then says.
    {{Call::syncRange, 0, Effect::fail, ENOSYS}, "", 3},
    {{Call::syncRange, 2, Effect::fail, EOPNOTSUPP}, "", 3},
    {{Call::syncFileSystem, 0, Effect::fail, EINVAL}, "", 3},
    {{Call::syncRange, 0, Effect::fail, EINVAL},
     "无法把文件存到磁盘上“<dir>a.bin.001”：磁盘读写出错",
     3,
     {{Call::dataSync, 2, Effect::fail, EIO}}},
    {{Call::syncFileSystem, 0, Effect::fail, ENOSYS},
     "无法把文件存到磁盘上“<dir>a.bin.002”",
     3,
     {{Call::dataSync, 3, Effect::fail, EIO}}},
    // The script cut short by a full disk.
    {{Call::write, 4, Effect::half},
     "无法写入文件“<dir>a.bin.BAT”：磁盘空间不足",
     3,
     {{Call::write, 5, Effect::fail, ENOSPC}}},
    {{Call::write, 1, Effect::strange}, "意外的异常", 0},
};

// A fault as a test's name: "write_3_ENOSPC", "syncRange_all_EINVAL",
// "copyFileRange_2_half_then_copyFileRange_3_EXDEV".
std::string faultName(const testsupport::FaultyCalls::Fault& fault)
{
    static const char* const calls[] = {"open",     "read",      "write",         "copyFileRange",
                                        "truncate", "close",     "readAt",        "dataSync",
                                        "sync",     "syncRange", "syncFileSystem"};
    static const char* const effects[] = {"", "half", "nothing", "outOfMemory", "strange"};
    const auto effect = static_cast<std::size_t>(fault.effect);
    return std::string(calls[static_cast<std::size_t>(fault.call)]) + "_" +
           (fault.nth == 0 ? "all" : std::to_string(fault.nth)) + "_" +
           (fault.effect == Effect::fail ? ::strerrorname_np(fault.error) : effects[effect]);
}

// The case's name: its fault, then its later ones.
std::string caseName(const SystemCallFault& c)
{
    std::string name = faultName(c.fault);
    for (const testsupport::FaultyCalls::Fault& later : c.then)
        name += "_then_" + faultName(later);
    return name;
}

// How a failing case shows itself.
void PrintTo(const SystemCallFault& c, std::ostream* out)
{
    *out << caseName(c);
}

class SplitRunFault : public SplitRun, public testing::WithParamInterface<SystemCallFault>
{
};

TEST_P(SplitRunFault, EndsCleanly)
{
    using testsupport::FaultyCalls;
    const SystemCallFault& c = GetParam();
    std::string notice = c.notice;
    if (const std::size_t at = notice.find("<dir>"); at != std::string::npos)
        notice.replace(at, 5, dir.folder());
    const std::string source = randomBytes(250, 11);
    writeFile(dir / "a.bin", source);
    writeFile(dir / "a.bin.000", std::string(500, 'x')); // an older, longer piece
    {
        // Where the copy is not the fault, the system refuses it, so that
        // the run reads and writes.
        std::vector<FaultyCalls::Fault> faults{c.fault};
        faults.insert(faults.end(), c.then.begin(), c.then.end());
        if (c.fault.call != Call::copyFileRange)
            faults.push_back({Call::copyFileRange, 0, Effect::fail, ENOSYS});
        FaultyCalls calls(faults);
        EXPECT_TRUE(split(dir / "a.bin", 100, dir / "a.bin"));
    }
    if (notice.empty()) {
        ASSERT_EQ(host.notices, std::vector<std::string>{completion(3, dir / "a.bin.BAT")});
    } else {
        ASSERT_EQ(host.notices.size(), 1u);
        EXPECT_TRUE(startsWith(host.notices[0], errorPrefix + notice) ||
                    host.notices[0].find(notice) != std::string::npos)
            << host.notices[0];
        EXPECT_FALSE(fs::exists(dir / "a.bin.BAT") && c.wholePieces < 3);
        // A script that failed is empty: a cut line would join wrongly.
        EXPECT_EQ(readFile(dir / "a.bin.BAT"), "");
        // The progress beyond the caption shows the failure while its notice shows.
        EXPECT_EQ(host.shares.back(), std::make_pair(c.wholePieces / 3.0, true));
    }
    for (int i = 0; i < c.wholePieces; ++i) {
        EXPECT_EQ(readFile(dir / ("a.bin.00" + std::to_string(i))), source.substr(i * 100, 100))
            << "piece " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(EverySystemCall, SplitRunFault, testing::ValuesIn(systemCallFaults),
                         [](const testing::TestParamInfo<SystemCallFault>& info) {
                             return caseName(info.param);
                         });

// What the completion notice promises is on the device first: each piece
// written out before it is closed and the file system flushed once after the
// last (or, on a kernel whose flush of a file system does not report earlier
// failures, each piece flushed on its own), then the script, then the folder
// that holds their names.
TEST_F(SplitRun, EverythingIsOnTheDeviceBeforeTheCompletionNotice)
{
    using testsupport::FaultyCalls;
    if (!tarvolin::BatchFlush(dir.path().string()).batched())
        GTEST_SKIP() << "the test folder's file system is flushed a piece at a time";
    writeFile(dir / "a.bin", randomBytes(250, 11));
    const std::string folder = toUtf8(dir.path().filename());
    for (const char* release : {"", "5.7.19", "4.19.90-52.22.v2207.ky10.x86_64"}) {
        FaultyCalls calls(
            {{FaultyCalls::Call::copyFileRange, 0, FaultyCalls::Effect::fail, ENOSYS}});
        calls.release = release;
        fs::remove(dir / "a.bin.BAT");
        host.onNotice = [&] { calls.log.push_back("notice"); };
        ASSERT_TRUE(split(dir / "a.bin", 100, dir / "a.bin"));
        const bool batched = *release == '\0';
        // Pieces this small all wait until the last is copied.
        std::vector<std::string> expected;
        for (const char* piece : {"a.bin.000", "a.bin.001", "a.bin.002"})
            expected.push_back("write " + std::string(piece));
        for (const char* piece : {"a.bin.000", "a.bin.001", "a.bin.002"}) {
            for (const char* call : {batched ? "writeOut " : "dataSync ", "close "})
                expected.push_back(call + std::string(piece));
        }
        if (batched)
            expected.push_back("syncFileSystem " + folder);
        const std::vector<std::string> script{
            "close a.bin",     "write a.bin.BAT", "dataSync a.bin.BAT",
            "close a.bin.BAT", "sync " + folder,  "close " + folder,
            "notice"};
        expected.insert(expected.end(), script.begin(), script.end());
        if (batched)
            expected.push_back("close " + folder); // the handle the file system was flushed by
        EXPECT_EQ(calls.log, expected) << release;
    }
}

// The device writes the last pieces while the next ones are copied, but a
// piece waits for it at most the write-back lag, or 64 pieces, behind the
// copy: the progress never runs far ahead of the device, nor do the open
// files pile up.
TEST_F(SplitRun, PiecesWaitForTheDeviceAtMostTheLagOrSixtyFourPiecesBehind)
{
    using testsupport::FaultyCalls;
    struct Case
    {
        std::int64_t length;
        std::int32_t splitsize;
        int closedAfter; // piece 0 is closed once this piece is written
    };
    for (const Case& c : {Case{200, 2, 64}, Case{20 << 20, 1 << 20, 16}}) {
        for (const std::string& name : listFolder(dir.path()))
            fs::remove(dir / name);
        writeFile(dir / "a.bin", randomBytes(static_cast<std::size_t>(c.length), 3));
        FaultyCalls calls(
            {{FaultyCalls::Call::copyFileRange, 0, FaultyCalls::Effect::fail, ENOSYS}});
        ASSERT_TRUE(split(dir / "a.bin", c.splitsize, dir / "a.bin"));
        const auto at = [&](const std::string& call, int piece) {
            char name[16];
            std::snprintf(name, sizeof name, "a.bin.%03d", piece);
            return std::find(calls.log.begin(), calls.log.end(), call + name) - calls.log.begin();
        };
        EXPECT_LT(at("write ", c.closedAfter), at("close ", 0)) << c.splitsize;
        EXPECT_LT(at("close ", 0), at("write ", c.closedAfter + 1)) << c.splitsize;
    }
}

// Each step of a piece is started on its way to the device as it is copied,
// and the copy waits for the step that lies the write-back lag (16 MiB)
// behind; once the system refuses to copy between the files, it is not
// asked again.
TEST_F(SplitRun, StepsAreWrittenBackAsCopiedAndWaitedForTheLagBehind)
{
    using testsupport::FaultyCalls;
    constexpr off_t mib = 1 << 20;
    writeFile(dir / "a.bin", randomBytes(18 * mib + 2, 4));
    FaultyCalls calls({{FaultyCalls::Call::copyFileRange, 1, FaultyCalls::Effect::fail, EXDEV}});
    ASSERT_TRUE(split(dir / "a.bin", 18 * mib, dir / "a.bin"));
    std::vector<FaultyCalls::WriteBack> expected;
    for (off_t step = 0; step < 18; ++step) {
        expected.push_back({step * mib, mib, false});
        if (step >= 16)
            expected.push_back({(step - 16) * mib, mib, true});
    }
    expected.push_back({0, 2, false}); // the last piece, of two bytes
    EXPECT_EQ(calls.writeBacks, expected);
    EXPECT_EQ(calls.count(FaultyCalls::Call::copyFileRange), 1);
}

#endif

} // namespace
