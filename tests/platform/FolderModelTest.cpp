// What the folder list and the file list show: which entries, in which
// order, with which names, and the chain of folders down to the open one.

#include "platform/FolderModel.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cctype>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using tarvolin::FolderModel;
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
    const std::vector<std::string> folders = {"Alpha", "beta", "link to zeta", "zeta", "文件夹"};
#endif
    // Letters of either case alike.
    std::vector<std::string> files = {"a.txt", "B.bin", "c"};
#ifndef _WIN32
    files.push_back("link to c");
#endif
    files.push_back("视频.avi");

    EXPECT_EQ(readable(FolderModel::files(testsupport::toUtf8(dir.path()))), files);
    EXPECT_EQ(readable(FolderModel::subfolders(testsupport::toUtf8(dir.path()))), folders);
    EXPECT_TRUE(FolderModel::files(dir / "missing").empty()) << "a folder that cannot be read";
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

TEST(FolderModelTest, FolderListIsTheWayDownThenTheSubfolders)
{
    TempDir dir;
    const std::string open = FolderModel::join(dir / "外层", "inner");
    for (const char* name : {"zeta", "Alpha"})
        fs::create_directories(testsupport::fromUtf8(FolderModel::join(open, name)));

    const std::string root = testsupport::toUtf8(dir.path().root_path());
    const std::vector<FolderModel::ListEntry> list = FolderModel::folderList(root, open);

    std::vector<std::string> names;
    for (const fs::path& part : testsupport::fromUtf8(open).relative_path())
        names.push_back(testsupport::toUtf8(part));
    ASSERT_EQ(list.size(), names.size() + 3);
#ifdef _WIN32
    EXPECT_EQ(list[0].readable, std::string(1, char(std::tolower(root[0]))) + root.substr(1));
#else
    EXPECT_EQ(list[0].readable, root);
#endif
    EXPECT_EQ(list[0].path, root);
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(list[i + 1].readable, names[i]);
        EXPECT_EQ(list[i + 1].level, static_cast<int>(i + 1));
        EXPECT_TRUE(list[i + 1].open);
    }
    EXPECT_EQ(list[names.size()].path, open);
    EXPECT_EQ(FolderModel::openIndex(list), names.size());
    const FolderModel::ListEntry& alpha = list[names.size() + 1];
    EXPECT_EQ(alpha.readable, "Alpha");
    EXPECT_EQ(alpha.path, FolderModel::join(open, "Alpha"));
    EXPECT_EQ(alpha.level, static_cast<int>(names.size() + 1));
    EXPECT_FALSE(alpha.open);
    EXPECT_EQ(list.back().readable, "zeta");

    // At the root: the root alone is open.
    EXPECT_EQ(FolderModel::openIndex(FolderModel::folderList(root, root)), 0u);
}

} // namespace
