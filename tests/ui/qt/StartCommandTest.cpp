#include "tests/support/Notices.h"
#include "tests/support/ScriptRunner.h"
#include "tests/support/TestFiles.h"
#include "tests/support/qt/FormDriver.h"
#include "tests/support/qt/QtInput.h"
#include "tests/support/qt/QtPrinters.h"
#include "tests/support/qt/RecordingWindowServices.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using testsupport::listFolder;
using testsupport::randomBytes;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

QString q(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QString completion(int count, const std::string& script)
{
    return q(testsupport::completionNotice(count, script));
}

// The real main window on one drive made of a temporary folder, started in
// its folder "work".
class StartCommand : public testing::Test
{
protected:
    StartCommand()
    {
        fs::create_directories(work / "out");
        QDir::setCurrent(q(work.string()));
        form = std::make_unique<tarvolin::Form1>(services,
                                                 tarvolin::Drives({{q(dir.path().string()), "T"}}));
        form->show();
        user = std::make_unique<testsupport::FormDriver>(*form);
    }
    ~StartCommand() override { QDir::setCurrent(QDir::tempPath()); }

    // Writes a file into work, refreshes the lists and selects it.
    std::string choose(const std::string& name, const std::string& bytes)
    {
        writeFile((work / name).string(), bytes);
        user->dir1()->setPath(q(work.string()));
        user->clickEntry(user->file1(), q(name));
        return (work / name).string();
    }

    void split(const QString& size)
    {
        user->typeInto(user->text1(), size);
        user->press("Command3");
    }

    TempDir dir;
    fs::path work = dir.path() / "work";
    testsupport::RecordingWindowServices services;
    std::unique_ptr<tarvolin::Form1> form;
    std::unique_ptr<testsupport::FormDriver> user;
};

TEST_F(StartCommand, SplitsTheChosenFileIntoTheChosenFolder)
{
    const std::string source = randomBytes(250);
    const std::string path = choose("电影 片段.avi", source);
    split("100");

    EXPECT_EQ(readFile(path + ".000"), source.substr(0, 100));
    EXPECT_EQ(readFile(path + ".001"), source.substr(100, 100));
    EXPECT_EQ(readFile(path + ".002"), source.substr(200));
    const std::string gbk = "\xB5\xE7\xD3\xB0 \xC6\xAC\xB6\xCE.avi"; // in code page 936
    EXPECT_EQ(readFile(path + ".BAT"), "COPY/B \"" + gbk + ".000\"/B+\"" + gbk + ".001\"/B+\"" +
                                           gbk + ".002\"/B \"" + gbk + "\"/B\r\n");
    EXPECT_EQ(user->frame3()->title(), q("正在处理:" + path + ".002 100.00%"));
    EXPECT_EQ(services.notices, QStringList{completion(3, path + ".BAT")});

    fs::rename(path, work / "original");
    testsupport::ScriptRunner::run(work, readFile(path + ".BAT"), testsupport::chineseCodePage);
    EXPECT_EQ(readFile(path), source);
}

TEST_F(StartCommand, SplitsAFileWhoseNameIsInGbk)
{
    // An archive from a Chinese Windows machine: the name's bytes are GBK.
    const std::string gbk = "\xCB\xB5\xC3\xF7\xCA\xE9.doc"; // 说明书.doc
    const std::string source = randomBytes(250);
    const std::string path = (work / gbk).string();
    writeFile(path, source);
    user->dir1()->setPath(q(work.string()));
    user->clickEntry(user->file1(), q("说明书.doc"));
    split("100");

    EXPECT_EQ(services.notices, QStringList{completion(3, work.string() + "/说明书.doc.BAT")});
    EXPECT_EQ(readFile(path + ".002"), source.substr(200));
    EXPECT_EQ(readFile(path + ".BAT"),
              "COPY/B " + gbk + ".000/B+" + gbk + ".001/B+" + gbk + ".002/B " + gbk + "/B\r\n");
    EXPECT_EQ(user->frame3()->title(), q("正在处理:" + work.string() + "/说明书.doc.002 100.00%"));
}

TEST_F(StartCommand, RefusesAFileOnlyOneByteLongerThanThePiece)
{
    choose("a.bin", randomBytes(101));
    split("100");
    EXPECT_EQ(services.notices, QStringList{q(testsupport::tooSmallNotice)});
    EXPECT_EQ(listFolder(work), (std::vector<std::string>{"a.bin", "out"}));
    EXPECT_EQ(user->frame3()->title(), "请选择要分割的文件:");

    services.notices.clear();
    choose("b.bin", randomBytes(102));
    split("100");
    EXPECT_EQ(fs::file_size(work / "b.bin.001"), 2u);
    EXPECT_EQ(services.notices.size(), 1);
}

TEST_F(StartCommand, SizeFieldIsReadByTheNumberRules)
{
    struct Case
    {
        QString text;
        int pieces; // 0: nothing happens at all
        std::uintmax_t firstPiece;
    };
    // 1000 bytes; a rounded size of 2 would give 500 pieces.
    for (const Case& c :
         {Case{"", 0, 0}, Case{"abc", 0, 0}, Case{"2147483648", 0, 0}, Case{"  400  ", 3, 400},
          Case{"1.5", 500, 2}, Case{"2.5", 500, 2}, Case{"332.5", 4, 332}, Case{"333.5", 3, 334}}) {
        TempDir scratch;
        const std::string path = (scratch.path() / "a.bin").string();
        writeFile(path, randomBytes(1000));
        user->dir1()->setPath(q(scratch.path().string()));
        user->clickEntry(user->file1(), "a.bin");
        services.notices.clear();
        split(c.text);
        if (c.pieces == 0) {
            EXPECT_TRUE(services.notices.isEmpty()) << c.text.toStdString();
            EXPECT_EQ(listFolder(scratch.path()).size(), 1u) << c.text.toStdString();
        } else {
            EXPECT_EQ(services.notices, QStringList{completion(c.pieces, path + ".BAT")})
                << c.text.toStdString();
            EXPECT_EQ(fs::file_size(path + ".000"), c.firstPiece) << c.text.toStdString();
        }
    }
}

TEST_F(StartCommand, ZeroAndNegativeSizesReachTheSplitWhichRefusesThem)
{
    choose("a.bin", randomBytes(10));
    split("0");
    ASSERT_EQ(services.notices.size(), 1);
    EXPECT_TRUE(services.notices[0].startsWith("错误提示信息:除数为零"));
    split("-1");
    ASSERT_EQ(services.notices.size(), 2);
    EXPECT_EQ(services.notices[1], "朋友！“分割后文件”的大小必须大于0，请重新设置吧！");
    EXPECT_EQ(listFolder(work), (std::vector<std::string>{"a.bin", "out"}));
}

TEST_F(StartCommand, OutputNameIsTheFolderTextAndTheSelectedNameAsTheyStand)
{
    const std::string source = randomBytes(300);
    choose("a.bin", source);
    // Typed without its separator: the pieces land beside "out", named "outa.bin...".
    user->typeInto(user->text2(), q((work / "out").string()));
    split("100");
    EXPECT_EQ(readFile((work / "outa.bin.002").string()), source.substr(200));
    EXPECT_TRUE(fs::is_empty(work / "out"));

    // No entry selected (the folder list moved on): the folder text alone.
    user->openFolder("out");
    ASSERT_TRUE(user->file1()->fileName().isEmpty());
    user->typeInto(user->text2(), q((work / "named").string()));
    split("100");
    EXPECT_EQ(readFile((work / "named.002").string()), source.substr(200));
    EXPECT_EQ(readFile((work / "named.BAT").string()),
              "COPY/B named.000/B+named.001/B+named.002/B named/B\r\n");
}

TEST_F(StartCommand, NoFileChosenIsTheSplitsOwnFailure)
{
    split("100");
    ASSERT_EQ(services.notices.size(), 1);
    EXPECT_TRUE(services.notices[0].startsWith("错误提示信息:"));
    EXPECT_EQ(listFolder(work), std::vector<std::string>{"out"});
}

TEST_F(StartCommand, SecondPressDuringASplitRunsWholeInsideTheFirst)
{
    const std::string outer = randomBytes(500, 1);
    const std::string inner = randomBytes(300, 2);
    writeFile((work / "inner.bin").string(), inner);
    const std::string outerPath = choose("outer.bin", outer);
    services.onPump = [&](int pumps) {
        if (pumps != 1)
            return;
        // The user picks another file and size and presses start again;
        // the running split keeps its own values.
        user->clickEntry(user->file1(), "inner.bin");
        user->typeInto(user->text1(), "150");
        testsupport::postClick(user->button("Command3"));
    };
    split("100");
    const std::string innerPath = (work / "inner.bin").string();
    EXPECT_EQ(services.notices,
              (QStringList{completion(2, innerPath + ".BAT"), completion(5, outerPath + ".BAT")}));
    EXPECT_EQ(readFile(innerPath + ".001"), inner.substr(150));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(readFile(outerPath + ".00" + std::to_string(i)),
                  outer.substr(static_cast<std::size_t>(i) * 100, 100));
    }
    EXPECT_EQ(user->frame3()->title(), q("正在处理:" + outerPath + ".004 100.00%"));
}

} // namespace
