// The drive list: the drives in Windows' own form and the drive of the
// current folder selected.

#include "ui/win32/controls/DriveListBox.h"
#include "tests/support/TestFiles.h"
#include "tests/support/win32/Win32TestWindow.h"

#include <gtest/gtest.h>

namespace {

TEST(DriveListBoxTest, ShowsLettersWithLabelsAndSelectsTheDriveOfThePath)
{
    const std::wstring drive = testsupport::scratchDrive();
    if (drive.empty())
        GTEST_SKIP() << "no scratch drive (TARVOLIN_TEST_DRIVE)";
    testsupport::Win32TestWindow parent;
    tarvolin::DriveListBox list(parent.handle(), 3);
    const std::wstring letter(1, towlower(drive[0]));

    // Wine reads a drive's label when it starts: the scratch drive has none.
    EXPECT_EQ(tarvolin::DriveListBox::driveText(drive), letter + L":");

    list.choose(drive + L"some\\folder");
    EXPECT_EQ(list.drive(), std::wstring(1, towupper(drive[0])) + L":\\");
    const int count = static_cast<int>(SendMessageW(list.handle(), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(count, std::popcount(GetLogicalDrives()));
    list.choose(L"\\\\server\\share");
    EXPECT_EQ(list.drive(), L"");
}

TEST(DriveListBoxTest, NetworkDrivesShowTheirShareAndAreNotAskedForALabel)
{
    struct Case
    {
        UINT type;
        std::wstring root, label, share, text;
    };
    for (const Case& c : {
             Case{DRIVE_FIXED, L"C:\\", L"系统", L"", L"c: [系统]"},
             Case{DRIVE_FIXED, L"D:\\", L"", L"", L"d:"},
             Case{DRIVE_REMOVABLE, L"E:\\", L"U 盘", L"", L"e: [U 盘]"},
             Case{DRIVE_CDROM, L"F:\\", L"", L"", L"f:"}, // no disc
             Case{DRIVE_RAMDISK, L"R:\\", L"RAM", L"", L"r: [RAM]"},
             Case{DRIVE_REMOTE, L"Z:\\", L"", L"\\\\server\\share", L"z: [\\\\server\\share]"},
             Case{DRIVE_REMOTE, L"Y:\\", L"", L"", L"y:"}, // no record of its share
         }) {
        std::vector<std::wstring> asked;
        const tarvolin::DriveListBox::Facts facts = {
            [&](const std::wstring&) { return c.type; },
            [&](const std::wstring& root) {
                asked.push_back(L"label " + root);
                return c.label;
            },
            [&](const std::wstring& root) {
                asked.push_back(L"share " + root);
                return c.share;
            },
        };
        EXPECT_EQ(tarvolin::DriveListBox::driveText(c.root, facts), c.text);
        EXPECT_EQ(asked, std::vector<std::wstring>{
                             (c.type == DRIVE_REMOTE ? L"share " : L"label ") + c.root});
    }
}

} // namespace
