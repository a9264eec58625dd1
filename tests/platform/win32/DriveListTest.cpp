// The drive list: the drives in Windows' own form and the drive of the
// current folder selected.

#include "platform/win32/DriveList.h"
#include "tests/support/TestFiles.h"
#include "tests/support/Win32TestWindow.h"

#include <gtest/gtest.h>

namespace {

TEST(DriveListTest, ShowsLettersWithLabelsAndSelectsTheDriveOfThePath)
{
    const std::wstring drive = testsupport::scratchDrive();
    if (drive.empty())
        GTEST_SKIP() << "no scratch drive (TARVOLIN_TEST_DRIVE)";
    testsupport::Win32TestWindow parent;
    tarvolin::DriveList list(parent.handle(), 3);
    const std::wstring letter(1, towlower(drive[0]));

    // Wine reads a drive's label when it starts: the scratch drive has none.
    EXPECT_EQ(tarvolin::DriveList::driveText(drive), letter + L":");

    list.fill(drive + L"some\\folder");
    EXPECT_EQ(list.drive(), letter + L":");
    const int count = static_cast<int>(SendMessageW(list.handle(), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(count, std::popcount(GetLogicalDrives()));
    list.fill(L"\\\\server\\share");
    EXPECT_EQ(list.drive(), L"");
}

} // namespace
