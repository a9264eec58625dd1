// What the folder list and the file list show: which entries, in which
// order, with which names.

#include "platform/FolderModel.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

namespace FolderModel = tarvolin::FolderModel;
using testsupport::TempDir;
namespace fs = std::filesystem;

std::vector<std::string> readable(const std::vector<FolderModel::Entry>& entries)
{
    std::vector<std::string> names;
    for (const FolderModel::Entry& entry : entries)
        names.push_back(entry.readable);
    return names;
}

// A file or folder that the user does not see: on Linux its name begins
// with "."; on Windows it bears attributes.
std::string hiddenName(const std::string& name)
{
#ifdef _WIN32
    return name;
#else
    return "." + name;
#endif
}

// Sets folder's last-write time an hour back, so that what changes in it
// next cannot fall on the same time.
void ageFolder(const fs::path& folder)
{
#ifdef _WIN32
    // The C runtime sets no time on a folder.
    const HANDLE handle =
        CreateFileW(folder.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    FILETIME time;
    GetFileTime(handle, nullptr, nullptr, &time);
    ULARGE_INTEGER value{{time.dwLowDateTime, time.dwHighDateTime}};
    value.QuadPart -= 36'000'000'000ULL;
    time = {value.LowPart, value.HighPart};
    SetFileTime(handle, nullptr, nullptr, &time);
    CloseHandle(handle);
#else
    fs::last_write_time(folder, fs::last_write_time(folder) - std::chrono::hours(1));
#endif
}

#ifdef _WIN32
void mark(const std::string& path, DWORD attributes)
{
    SetFileAttributesW(testsupport::fromUtf8(path).c_str(), attributes);
}
#endif

TEST(FolderModelTest, ShowsFilesAndFoldersApartInOneOrderWithoutHiddenOnes)
{
    TempDir dir;
    for (const char* name : {"c", "B.bin", "视频.avi", "a.txt"})
        testsupport::writeFile(dir / name, "x");
    for (const char* name : {"zeta", "Alpha", "beta", "文件夹"})
        fs::create_directory(testsupport::fromUtf8(dir / name));
    testsupport::writeFile(dir / hiddenName("hidden.dat"), "x");
    fs::create_directory(testsupport::fromUtf8(dir / hiddenName("隐藏")));
#ifdef _WIN32
    mark(dir / "hidden.dat", FILE_ATTRIBUTE_HIDDEN);
    mark(dir / "隐藏", FILE_ATTRIBUTE_HIDDEN);
    // A file marked system is left out; a folder marked system alone has its
    // own look (Fonts, Downloads) and shows.
    testsupport::writeFile(dir / "system.dat", "x");
    mark(dir / "system.dat", FILE_ATTRIBUTE_SYSTEM);
    fs::create_directory(testsupport::fromUtf8(dir / "Fonts"));
    mark(dir / "Fonts", FILE_ATTRIBUTE_SYSTEM);
    const std::vector<std::string> folders = {"Alpha", "beta", "Fonts", "zeta", "文件夹"};
#else
    // Links count as what they lead to; a dangling link is no entry.
    fs::create_symlink(dir.path() / "c", dir.path() / "link to c");
    fs::create_directory_symlink(dir.path() / "zeta", dir.path() / "link to zeta");
    fs::create_symlink(dir.path() / "missing", dir.path() / "dangling");
    // A pipe is no file to split: selecting it would only get a misleading notice.
    ::mkfifo((dir / "pipe").c_str(), 0600);
    // Names alike but for case keep one order, by their bytes.
    for (const char* name : {"ab.x", "aB.x", "Ab.x", "AB.x"})
        testsupport::writeFile(dir / name, "x");
    const std::vector<std::string> folders = {"Alpha", "beta", "link to zeta", "zeta", "文件夹"};
#endif
    // Letters of either case alike.
    std::vector<std::string> files = {"a.txt"};
#ifndef _WIN32
    files.insert(files.end(), {"AB.x", "Ab.x", "aB.x", "ab.x"});
#endif
    files.insert(files.end(), {"B.bin", "c"});
#ifndef _WIN32
    files.push_back("link to c");
#endif
    files.push_back("视频.avi");

    EXPECT_EQ(readable(FolderModel::files(testsupport::toUtf8(dir.path()))), files);
    EXPECT_EQ(readable(FolderModel::subfolders(testsupport::toUtf8(dir.path()))), folders);
    EXPECT_TRUE(FolderModel::files(dir / "missing").empty()) << "a folder that cannot be read";
}

TEST(FolderModelTest, ChangeTimeMovesWhenAFileComesOrGoes)
{
    TempDir dir;
    const std::string folder = testsupport::toUtf8(dir.path());
    for (const bool comes : {true, false}) {
        ageFolder(dir.path());
        const std::optional<std::int64_t> before = FolderModel::changeTime(folder);
        ASSERT_TRUE(before);
        if (comes)
            testsupport::writeFile(dir / "new.bin", "x");
        else
            fs::remove(testsupport::fromUtf8(dir / "new.bin"));
        EXPECT_NE(FolderModel::changeTime(folder), before) << comes;
    }
    testsupport::writeFile(dir / "file", "x");
    EXPECT_EQ(FolderModel::changeTime(dir / "file"), std::nullopt) << "a file is no folder";
    EXPECT_EQ(FolderModel::changeTime(dir / "missing"), std::nullopt);
}

#ifndef _WIN32
TEST(FolderModelTest, NamesThatAreNotUtf8ReadAsChineseAndKeepTheirBytes)
{
    TempDir dir;
    const std::string gbk = "\xCA\xD3\xC6\xB5.avi"; // "视频.avi" in GBK
    std::ofstream(testsupport::toUtf8(dir.path()) + "/" + gbk) << "x";
    const std::vector<FolderModel::Entry> files =
        FolderModel::files(testsupport::toUtf8(dir.path()));
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].native, gbk);
    EXPECT_EQ(files[0].readable, "视频.avi");
}
#endif

} // namespace
