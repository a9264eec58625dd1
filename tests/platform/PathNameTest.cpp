#include "platform/PathName.h"

#include <gtest/gtest.h>

namespace {

using namespace tarvolin;

TEST(PathName, BareNameFolderAndJoin)
{
    struct Case
    {
        std::string path, bare, folder;
    };
    const std::vector<Case> cases{
#ifdef _WIN32
        {"D:\\a\\movie.avi.000", "movie.avi.000", "D:\\a\\"},
        {"Z:\\a.bin", "a.bin", "Z:\\"},
        {"D:\\a\\", "", "D:\\a\\"},
        {"D:/out/x.bin", "x.bin", "D:/out/"}, // "/" separates too
        {"D:\\out/", "", "D:\\out/"},
#else
        {"/a/b/movie.avi.000", "movie.avi.000", "/a/b/"},
        {"/a.bin", "a.bin", "/"},
        {"/a/b/", "", "/a/b/"},
        {"C:a\\b.bin", "C:a\\b.bin", "."}, // only "/" separates here
#endif
        {"movie.avi", "movie.avi", "."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PathName::bareName(c.path), c.bare) << c.path;
        EXPECT_EQ(PathName::folderOf(c.path), c.folder) << c.path;
    }
    const std::string root(1, PathName::separator);
    EXPECT_EQ(PathName::join(root, "a"), root + "a"); // a root keeps its one separator
    EXPECT_EQ(PathName::join("x", "a"), "x" + root + "a");
    EXPECT_EQ(PathName::join("x", ""), "x" + root);
}

} // namespace
