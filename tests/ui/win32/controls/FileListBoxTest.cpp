// The file list: which names it shows, in which order, and the selection by
// keyboard that reaches the window as the list's click.

#include "ui/win32/controls/FileListBox.h"
#include "tests/support/TestFiles.h"
#include "tests/support/win32/Win32TestWindow.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using testsupport::listTexts;
using testsupport::TempDir;

class FileListBoxTest : public testing::Test
{
protected:
    static constexpr int id = 9;
    testsupport::Win32TestWindow parent;
    tarvolin::FileListBox list{parent.handle(), id};
    TempDir dir;
};

// Which files show, and in which order, is the folder model's (FolderModelTest).
TEST_F(FileListBoxTest, ShowsTheFolderModelsFiles)
{
    for (const char* name : {"b.txt", "A.bin", "视频.avi", "hidden.dat", "c"})
        testsupport::writeFile(dir / name, "x");
    fs::create_directory(dir.path() / "folder");
    SetFileAttributesW((dir.path() / "hidden.dat").c_str(), FILE_ATTRIBUTE_HIDDEN);

    list.setNativePath(dir.path().wstring());
    EXPECT_EQ(list.nativePath(), dir.path().wstring());
    const std::vector<std::wstring> expected = {L"A.bin", L"b.txt", L"c", L"视频.avi"};
    EXPECT_EQ(listTexts(list.handle()), expected);
    EXPECT_EQ(list.entryCount(), 4);
    EXPECT_EQ(list.nativeFileName(), L"");

    // A folder that cannot be read shows no files.
    list.setNativePath((dir.path() / "missing").wstring());
    EXPECT_EQ(list.entryCount(), 0);
    EXPECT_EQ(list.nativeFileName(), L"");
}

TEST_F(FileListBoxTest, KeyboardSelectionReachesTheWindow)
{
    for (const char* name : {"one.bin", "two.bin"})
        testsupport::writeFile(dir / name, "x");
    list.setNativePath(dir.path().wstring());
    const std::pair<int, int> click = {id, LBN_SELCHANGE};

    SendMessageW(list.handle(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(list.nativeFileName(), L"one.bin");
    SendMessageW(list.handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(list.nativeFileName(), L"two.bin");
    EXPECT_EQ(parent.notifications, (std::vector{click, click}));

    // A new folder starts with no selection.
    list.setNativePath(dir.path().wstring());
    EXPECT_EQ(list.nativeFileName(), L"");
}

TEST_F(FileListBoxTest, RefreshKeepsTheSelectedFileAndTheScrollPosition)
{
    for (int i = 10; i < 40; ++i)
        testsupport::writeFile(dir / ("f" + std::to_string(i)), "x");
    MoveWindow(list.handle(), 0, 0, 200, 100, FALSE);
    list.setNativePath(dir.path().wstring());
    SendMessageW(list.handle(), LB_SETCURSEL, 10, 0);
    SendMessageW(list.handle(), LB_SETTOPINDEX, 5, 0);
    ASSERT_EQ(list.nativeFileName(), L"f20");

    // Two files come before the selected one, one goes.
    for (const char* name : {"a.bin", "b.bin"})
        testsupport::writeFile(dir / name, "x");
    fs::remove(dir.path() / "f11");
    list.refresh();
    EXPECT_EQ(list.entryCount(), 31);
    EXPECT_EQ(list.nativeFileName(), L"f20");
    EXPECT_EQ(SendMessageW(list.handle(), LB_GETTOPINDEX, 0, 0), 5);

    // The selected file goes: none is selected; no click reached the window.
    fs::remove(dir.path() / "f20");
    list.refresh();
    EXPECT_EQ(list.nativeFileName(), L"");
    EXPECT_TRUE(parent.notifications.empty());
}

} // namespace
