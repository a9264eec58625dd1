#include "ui/qt/controls/DirListBox.h"
#include "tests/support/TestFiles.h"
#include "tests/support/qt/QtPrinters.h"
#include "ui/qt/controls/Drives.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using tarvolin::DirListBox;

QStringList texts(const DirListBox& list)
{
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result << list.item(i)->text();
    return result;
}

TEST(DirListBox, RootFolderKeepsItsSeparator)
{
    DirListBox list;
    ASSERT_TRUE(list.setPath("/"));
    EXPECT_EQ(list.path(), "/");
}

// A folder named in GBK ("资料") inside a drive whose root is a scratch folder.
TEST(DirListBox, FolderNamedInGbkShowsReadableAndOpensByItsBytes)
{
    testsupport::TempDir dir;
    const std::string gbkFolder = "\xD7\xCA\xC1\xCF";
    fs::create_directories(dir.path() / gbkFolder / "\xD7\xD3"); // "子"
    fs::create_directories(dir.path() / "data");
    const QString root = QString::fromStdString(dir.path().string()) + "/";
    const tarvolin::Drives drives({{root, "A"}});
    DirListBox list;
    list.setDrives(&drives);
    QSignalSpy changes(&list, &DirListBox::changed);
    list.show();

    ASSERT_TRUE(list.setPath(root));
    EXPECT_EQ(texts(list), (QStringList{root, "data", "资料"}));

    list.setCurrentRow(2);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.nativePath(), dir.path().string() + "/" + gbkFolder);
    EXPECT_EQ(list.path(), root + "资料");
    EXPECT_EQ(texts(list), (QStringList{root, "资料", "子"}));

    list.setCurrentRow(2);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.nativePath(), dir.path().string() + "/" + gbkFolder + "/\xD7\xD3");
    EXPECT_EQ(texts(list), (QStringList{root, "资料", "子"}));
    EXPECT_EQ(changes.count(), 3);

    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.nativePath(), dir.path().string() + "/");
}

} // namespace
