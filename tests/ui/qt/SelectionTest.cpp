#include "tests/support/TestFiles.h"
#include "tests/support/qt/FormDriver.h"
#include "tests/support/qt/QtPrinters.h"
#include "tests/support/qt/RecordingWindowServices.h"

#include <QAbstractItemView>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using testsupport::TempDir;
using testsupport::writeFile;

QString q(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}
const QString lengthText = QString::fromUtf8("被分割文件长度：（字节）");

// Two drives made of temporary folders: A holds files and folders and is the
// current one; B is not ready (its root does not exist).
class Selection : public testing::Test
{
protected:
    Selection()
    {
        fs::create_directories(root / "data/sub");
        fs::create_directories(root / "data/zeta");
        fs::create_directories(root / "emptydir");
        writeFile((root / "top.bin").string(), std::string(5000, 't'));
        writeFile((root / "data/a.bin").string(), std::string(1048576, 'a'));
        writeFile((root / "data/B.txt").string(), "b");
        writeFile((root / "data/empty.bin").string(), "");
        writeFile((root / "data/my file.txt").string(), "12345");
        writeFile((root / "data/电影 片段.avi").string(), "1234567");
        writeFile((root / "data/.hidden").string(), "h");
        writeFile((root / "data/sub/inner.bin").string(), "i");
        QDir::setCurrent(q((root / "data").string()));
        form = std::make_unique<tarvolin::Form1>(
            services, tarvolin::Drives({{q(rootA()), "A"}, {q(dir / "driveB"), "B"}}));
        form->show();
        user = std::make_unique<testsupport::FormDriver>(*form);
    }
    ~Selection() override { QDir::setCurrent(QDir::tempPath()); }

    std::string rootA() const { return root.string() + "/"; }
    QString data() const { return q((root / "data").string()); }
    tarvolin::DriveListBox* drive1() { return user->drive1(); }
    tarvolin::DirListBox* dir1() { return user->dir1(); }
    tarvolin::FileListBox* file1() { return user->file1(); }
    QLabel* lab1() { return user->lab1(); }
    QLineEdit* text2() { return user->text2(); }

    TempDir dir;
    fs::path root = dir.path() / "driveA";
    testsupport::RecordingWindowServices services;
    std::unique_ptr<tarvolin::Form1> form;
    std::unique_ptr<testsupport::FormDriver> user;
};

TEST_F(Selection, ListsStartOnTheCurrentFolder)
{
    EXPECT_EQ(drive1()->currentText(), "A");
    EXPECT_EQ(drive1()->drive(), q(rootA()));
    EXPECT_EQ(dir1()->path(), data());
    EXPECT_EQ(user->texts(dir1()), (QStringList{q(rootA()), "data", "sub", "zeta"}));
    EXPECT_EQ(user->texts(file1()),
              (QStringList{"a.bin", "B.txt", "empty.bin", "my file.txt", "电影 片段.avi"}));
    EXPECT_EQ(file1()->path(), data());
    EXPECT_TRUE(file1()->fileName().isEmpty());
    EXPECT_TRUE(lab1()->text().isEmpty());
}

TEST_F(Selection, ClickPutsExactlyOneSeparatorBetweenFolderAndName)
{
    struct Case
    {
        QString folder, name, caption, text2, length;
    };
    const QString a = q(rootA());
    for (const Case& c :
         {Case{data(), "a.bin", data() + "/a.bin", data() + "/", "1048576"},
          Case{data(), "empty.bin", data() + "/empty.bin", data() + "/", "0"},
          Case{data(), "my file.txt", data() + "/my file.txt", data() + "/", "5"},
          Case{data(), "电影 片段.avi", data() + "/电影 片段.avi", data() + "/", "7"},
          Case{a, "top.bin", a + "top.bin", a, "5000"}}) {
        if (dir1()->path() != c.folder)
            user->openFolder(c.folder == a ? a : "data");
        ASSERT_EQ(dir1()->path(), c.folder);
        user->clickEntry(file1(), c.name);
        EXPECT_EQ(lab1()->text(), c.caption);
        EXPECT_EQ(text2()->text(), c.text2);
        EXPECT_EQ(lab1()->toolTip(), lengthText + c.length);
    }
}

TEST_F(Selection, KeyboardSelectionIsAClick)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    file1()->setFocus();
    QTest::keyClick(file1(), Qt::Key_End);
    EXPECT_EQ(file1()->fileName(), "电影 片段.avi");
    EXPECT_EQ(lab1()->text(), data() + "/电影 片段.avi");
    QTest::keyClick(file1(), Qt::Key_Up);
    EXPECT_EQ(lab1()->text(), data() + "/my file.txt");
    EXPECT_EQ(lab1()->toolTip(), lengthText + "5");
}

TEST_F(Selection, ClickOnAnEmptyListChangesNothing)
{
    user->clickEntry(file1(), "a.bin");
    user->openFolder(q(rootA()));
    user->openFolder("emptydir");
    ASSERT_EQ(file1()->entryCount(), 0);
    QTest::mouseClick(file1()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(lab1()->text(), data() + "/a.bin");
    EXPECT_EQ(lab1()->toolTip(), lengthText + "1048576");
    EXPECT_EQ(text2()->text(), data() + "/");
}

TEST_F(Selection, ChangeOfFolderKeepsTheChoice)
{
    user->clickEntry(file1(), "my file.txt");
    user->openFolder("sub");
    EXPECT_EQ(dir1()->path(), data() + "/sub");
    EXPECT_EQ(user->texts(dir1()), (QStringList{q(rootA()), "data", "sub"}));
    EXPECT_EQ(user->texts(file1()), QStringList{"inner.bin"});
    EXPECT_EQ(lab1()->text(), data() + "/my file.txt");
    EXPECT_EQ(lab1()->toolTip(), lengthText + "5");
    EXPECT_EQ(text2()->text(), data() + "/");
}

TEST_F(Selection, ChangeOfDriveRestoresTheCaptionAndItsTooltipOnly)
{
    user->clickEntry(file1(), "a.bin");
    user->pickDrive(1); // B is not ready
    EXPECT_EQ(drive1()->currentText(), "B");
    EXPECT_TRUE(lab1()->text().isEmpty());
    EXPECT_TRUE(lab1()->toolTip().isEmpty());
    EXPECT_EQ(text2()->text(), data() + "/");
    EXPECT_EQ(dir1()->path(), data()) << "the lists stay where they were";
    EXPECT_EQ(file1()->entryCount(), 5);
    EXPECT_TRUE(services.notices.isEmpty());

    user->clickEntry(file1(), "B.txt");
    user->pickDrive(0); // A again: the lists move to its root
    EXPECT_TRUE(lab1()->text().isEmpty());
    EXPECT_EQ(dir1()->path(), q(rootA()));
    EXPECT_EQ(user->texts(file1()), QStringList{"top.bin"});
    EXPECT_EQ(text2()->text(), data() + "/");
}

TEST_F(Selection, ChoosingTheShownDriveAgainLeavesANestedMount)
{
    // data/sub is a file system of its own, mounted inside drive A.
    tarvolin::Form1 nested(services,
                           tarvolin::Drives({{q(rootA()), "A"}, {data() + "/sub", "sub"}}));
    nested.show();
    testsupport::FormDriver driver(nested);
    driver.openFolder("sub");
    ASSERT_EQ(driver.dir1()->path(), data() + "/sub/");
    EXPECT_EQ(driver.texts(driver.dir1()).first(), data() + "/sub/");
    ASSERT_EQ(driver.drive1()->currentText(), "A");

    driver.drive1()->showPopup();
    QTest::keyClick(driver.drive1()->view(), Qt::Key_Return);
    EXPECT_EQ(driver.dir1()->path(), q(rootA()));
    EXPECT_EQ(driver.texts(driver.file1()), QStringList{"top.bin"});
}

TEST_F(Selection, FileNamedAtStartOrDroppedIsChosenAsAClick)
{
    // "你好.bin" in GBK bytes, on a drive of its own mounted at data/sub.
    const std::string gbk = (root / "data/sub").string() + "/\xC4\xE3\xBA\xC3.bin";
    writeFile(gbk, "gbk");
    tarvolin::Form1 window(services,
                           tarvolin::Drives({{q(rootA()), "A"}, {data() + "/sub", "sub"}}));
    window.show();
    testsupport::FormDriver driver(window);
    window.chooseHanded({gbk});
    EXPECT_EQ(driver.drive1()->currentText(), "sub");
    EXPECT_EQ(driver.dir1()->nativePath(), (root / "data/sub/").string());
    EXPECT_EQ(driver.file1()->nativeFileName(), "\xC4\xE3\xBA\xC3.bin");
    EXPECT_EQ(driver.lab1()->text(), data() + "/sub/你好.bin");
    EXPECT_EQ(driver.lab1()->toolTip(), lengthText + "3");
    EXPECT_EQ(window.focusWidget(), driver.text1());

    // Dropped onto the output folder field, which keeps its text: the
    // window chooses the file instead.
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(q(rootA() + "top.bin"))});
    files.setText(q(rootA() + "top.bin"));
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &files, Qt::LeftButton, {});
    QCoreApplication::sendEvent(driver.text2(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop({5, 5}, Qt::CopyAction, &files, Qt::LeftButton, {});
    QCoreApplication::sendEvent(driver.text2(), &drop);
    EXPECT_EQ(driver.drive1()->currentText(), "A");
    EXPECT_EQ(driver.dir1()->path(), q(rootA()));
    EXPECT_EQ(driver.file1()->fileName(), "top.bin");
    EXPECT_EQ(driver.lab1()->text(), q(rootA()) + "top.bin");
    EXPECT_EQ(driver.text2()->text(), q(rootA()));
    EXPECT_TRUE(services.notices.isEmpty());

    // A name that is not UTF-8 stays percent-encoded in its URL.
    QMimeData encoded;
    encoded.setUrls({QUrl::fromEncoded("file:///x/%C4%E3.bin"), QUrl("https://example.com/a")});
    EXPECT_EQ(tarvolin::Form1::localFiles(&encoded), std::vector<std::string>{"/x/\xC4\xE3.bin"});
}

TEST_F(Selection, TypedOutputFolderIsReplacedByTheNextClick)
{
    text2()->setText("/somewhere/else");
    user->clickEntry(file1(), "B.txt");
    EXPECT_EQ(text2()->text(), data() + "/");
}

TEST_F(Selection, VanishedFileAndFolderAreHandledQuietly)
{
    fs::remove(root / "data/B.txt");
    user->clickEntry(file1(), "B.txt");
    EXPECT_EQ(lab1()->text(), data() + "/B.txt");
    EXPECT_EQ(text2()->text(), data() + "/");
    EXPECT_TRUE(lab1()->toolTip().startsWith(lengthText + "未知"));

    fs::remove_all(root / "data/zeta");
    user->openFolder("zeta");
    EXPECT_EQ(dir1()->path(), data());
    EXPECT_EQ(user->texts(dir1()), (QStringList{q(rootA()), "data", "sub"}));
    EXPECT_TRUE(services.notices.isEmpty());

    // A folder that vanished before the file list could show it shows nothing.
    file1()->setPath(q((root / "gone").string()));
    EXPECT_EQ(file1()->entryCount(), 0);
}

TEST_F(Selection, TooltipTellsTheTrueLengthOfAHugeFile)
{
    writeFile((root / "data/huge.iso").string(), "");
    fs::resize_file(root / "data/huge.iso", std::uintmax_t{5} << 30);
    dir1()->setPath(data()); // refill
    user->clickEntry(file1(), "huge.iso");
    EXPECT_EQ(lab1()->toolTip(), lengthText + "5368709120");
}

} // namespace
