#include "ui/qt/controls/FileListBox.h"
#include "tests/support/TestFiles.h"
#include "tests/support/qt/QtPrinters.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using tarvolin::FileListBox;
using testsupport::writeFile;

QStringList texts(const FileListBox& list)
{
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result << list.item(i)->text();
    return result;
}

void select(FileListBox& list, const QString& text)
{
    const auto found = list.findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(found.first()).center());
}

class Files : public testing::Test
{
protected:
    Files()
    {
        list.resize(200, 300);
        list.show();
    }
    std::string at(const std::string& name) const { return dir / name; }

    testsupport::TempDir dir;
    FileListBox list;
    QSignalSpy clicks{&list, &FileListBox::clicked};
};

// "电影 片段.avi" in GBK, and a Latin-1 name that no Chinese encoding reads.
const std::string gbkName = "\xB5\xE7\xD3\xB0 \xC6\xAC\xB6\xCE.avi";
const std::string latin1Name = "caf\xE9.txt";

TEST_F(Files, NamesThatAreNotUtf8ShowReadableAndKeepTheirBytes)
{
    writeFile(at(gbkName), "gbk");
    writeFile(at(latin1Name), "latin1");
    writeFile(at("报告 2026.pdf"), "utf8");
    fs::create_directory(dir.path() / "folder");
    list.setNativePath(dir.path().string());

    EXPECT_EQ(texts(list), (QStringList{"caf\uFFFD.txt", "报告 2026.pdf", "电影 片段.avi"}));
    for (const auto& [shown, bytes] :
         {std::pair{QString("电影 片段.avi"), gbkName},
          std::pair{QString("caf\uFFFD.txt"), latin1Name},
          std::pair{QString("报告 2026.pdf"), std::string("报告 2026.pdf")}}) {
        select(list, shown);
        EXPECT_EQ(list.fileName(), shown);
        EXPECT_EQ(list.nativeFileName(), bytes);
        EXPECT_TRUE(fs::exists(dir.path() / (list.nativeFileName())));
    }
}

TEST_F(Files, FollowsTheFolderOnDiskKeepingTheSelection)
{
    writeFile(at("movie.avi"), "0123456789");
    writeFile(at("notes.txt"), "n");
    list.setPath(QString::fromStdString(testsupport::toUtf8(dir.path())));
    select(list, "notes.txt");
    const int clicksBefore = clicks.count();

    // What a split leaves beside its source: pieces and the script.
    for (const char* name : {"movie.avi.000", "movie.avi.001", "movie.avi.BAT"})
        writeFile(at(name), "x");
    const QStringList expected{"movie.avi", "movie.avi.000", "movie.avi.001", "movie.avi.BAT",
                               "notes.txt"};
    EXPECT_TRUE(QTest::qWaitFor([&] { return texts(list) == expected; }, 5000))
        << texts(list).join(' ').toStdString();
    EXPECT_EQ(list.fileName(), "notes.txt");

    fs::remove(dir.path() / "movie.avi.000");
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.count() == 4; }, 5000));
    EXPECT_EQ(list.fileName(), "notes.txt");

    // The selected file goes: nothing is selected, and nothing was clicked.
    fs::remove(dir.path() / "notes.txt");
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.count() == 3; }, 5000));
    EXPECT_TRUE(list.fileName().isEmpty());
    EXPECT_EQ(clicks.count(), clicksBefore);
}

} // namespace
