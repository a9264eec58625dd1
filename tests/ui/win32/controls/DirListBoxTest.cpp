// The folder list: the way down from the root, the open folder's subfolders,
// the change it raises, drives as the drive list names them, and a drive
// that is not ready.

#include "ui/win32/controls/DirListBox.h"
#include "tests/support/TestFiles.h"
#include "tests/support/win32/Win32TestWindow.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using testsupport::listTexts;
using testsupport::TempDir;

class DirListBoxTest : public testing::Test
{
protected:
    DirListBoxTest() : list(parent.handle(), 7)
    {
        list.changed = [this] { ++changes; };
    }

    testsupport::Win32TestWindow parent;
    tarvolin::DirListBox list;
    int changes = 0;
};

TEST_F(DirListBoxTest, ShowsTheWayDownThenTheSubfolders)
{
    TempDir dir;
    const fs::path open = dir.path() / L"外层" / L"inner";
    for (const wchar_t* name : {L"zeta", L"Alpha", L"beta"})
        fs::create_directories(open / name);
    testsupport::writeFile(testsupport::toUtf8(open / L"file.txt"), "not a folder");

    // A trailing separator is dropped below the root.
    ASSERT_TRUE(list.setNativePath(open.wstring() + L"\\"));
    EXPECT_EQ(list.nativePath(), open.wstring());
    EXPECT_EQ(changes, 1);

    std::vector<std::wstring> expected = {std::wstring(1, towlower(open.wstring()[0])) + L":\\"};
    for (const fs::path& part : open.relative_path())
        expected.push_back(part.wstring());
    const size_t openIndex = expected.size() - 1;
    for (const wchar_t* name : {L"Alpha", L"beta", L"zeta"})
        expected.push_back(name);
    EXPECT_EQ(listTexts(list.handle()), expected);
    EXPECT_EQ(SendMessageW(list.handle(), LB_GETCURSEL, 0, 0), static_cast<LRESULT>(openIndex));

    // Opening an entry moves there; opening the root moves to the root.
    SendMessageW(list.handle(), LB_SETCURSEL, openIndex + 2, 0);
    list.openSelected();
    EXPECT_EQ(list.nativePath(), (open / L"beta").wstring());
    SendMessageW(list.handle(), LB_SETCURSEL, 0, 0);
    list.openSelected();
    EXPECT_EQ(list.nativePath(), open.root_path().wstring());
    EXPECT_EQ(changes, 3);
}

TEST_F(DirListBoxTest, OpensADriveAtItsRoot)
{
    const std::wstring drive = testsupport::scratchDrive();
    if (drive.empty())
        GTEST_SKIP() << "no scratch drive (TARVOLIN_TEST_DRIVE)";
    const std::wstring letter(1, towlower(drive[0]));
    for (const std::wstring& root : {letter + L":\\", drive.substr(0, 3)}) {
        EXPECT_TRUE(list.setNativePath(root)) << root;
        EXPECT_EQ(list.nativePath(), drive.substr(0, 3)) << root;
    }
}

TEST_F(DirListBoxTest, AFolderThatCannotBeOpenedChangesNothing)
{
    TempDir dir;
    ASSERT_TRUE(list.setNativePath(dir.path().wstring()));
    const auto before = listTexts(list.handle());
    const wchar_t* missing[] = {L"Q:", L"q: [无介质]", L"Q:\\", L"Z:\\no\\such\\folder"};
    for (const wchar_t* folder : missing) {
        EXPECT_FALSE(list.setNativePath(folder)) << folder;
        EXPECT_EQ(list.nativePath(), dir.path().wstring());
        EXPECT_EQ(listTexts(list.handle()), before);
    }
    EXPECT_EQ(changes, 1);
}

} // namespace
