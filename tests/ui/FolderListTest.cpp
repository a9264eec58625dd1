// The folder list: the chain of folders down to the open one, then its
// subfolders.

#include "ui/FolderList.h"

#include "platform/PathName.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

namespace FolderList = tarvolin::FolderList;
namespace PathName = tarvolin::PathName;
using testsupport::TempDir;
namespace fs = std::filesystem;

TEST(FolderListTest, FolderListIsTheWayDownThenTheSubfolders)
{
    TempDir dir;
    const std::string open = PathName::join(dir / "外层", "inner");
    for (const char* name : {"zeta", "Alpha"})
        fs::create_directories(testsupport::fromUtf8(PathName::join(open, name)));

    const std::string root = testsupport::toUtf8(dir.path().root_path());
    const std::vector<FolderList::ListEntry> list = FolderList::folderList(root, open);

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
    EXPECT_EQ(FolderList::openIndex(list), names.size());
    const FolderList::ListEntry& alpha = list[names.size() + 1];
    EXPECT_EQ(alpha.readable, "Alpha");
    EXPECT_EQ(alpha.path, PathName::join(open, "Alpha"));
    EXPECT_EQ(alpha.level, static_cast<int>(names.size() + 1));
    EXPECT_FALSE(alpha.open);
    EXPECT_EQ(list.back().readable, "zeta");

    // At the root: the root alone is open.
    EXPECT_EQ(FolderList::openIndex(FolderList::folderList(root, root)), 0u);
}

} // namespace
