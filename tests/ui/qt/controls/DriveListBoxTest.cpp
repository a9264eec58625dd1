#include "ui/qt/controls/DriveListBox.h"
#include "tests/support/qt/QtPrinters.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using tarvolin::DriveListBox;
using tarvolin::Drives;

const Drives threeDrives({{"/", "/ [50.0 GB]"},
                          {"/home", "/home [200.0 GB]"},
                          {"/media/usb", "/media/usb [KINGSTON]"}});

class DriveList : public testing::Test
{
protected:
    DriveList()
    {
        list.setDrives(threeDrives, "/home/alice");
        list.show();
        list.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&list));
    }
    // The user opens the list and takes the entry under the caret with Enter.
    void chooseShown()
    {
        list.showPopup();
        QTest::keyClick(list.view(), Qt::Key_Return);
    }

    DriveListBox list;
    QSignalSpy changes{&list, &DriveListBox::changed};
};

TEST_F(DriveList, ChoosingADriveAlwaysCountsTheChosenOneToo)
{
    EXPECT_EQ(list.drive(), "/home/");
    chooseShown();
    EXPECT_EQ(changes.count(), 1) << "the drive already chosen brings the folders to its root";
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(list.drive(), "/media/usb/");
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(list.drive(), "/");
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(DriveList, NewMountTableKeepsTheChosenDriveOrFallsBackToItsHolder)
{
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_End);
    const int before = changes.count();

    list.updateDrives(Drives({{"/", "/"}, {"/media/usb", "usb"}, {"/media/cd", "cd"}}));
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.drive(), "/media/usb/");
    EXPECT_EQ(list.drives().list().size(), 3);

    list.updateDrives(Drives({{"/", "/"}, {"/media/cd", "cd"}})); // the stick is pulled out
    EXPECT_EQ(list.drive(), "/");
    EXPECT_EQ(changes.count(), before) << "only the user changes the drive";
}

} // namespace
