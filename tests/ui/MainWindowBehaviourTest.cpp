// The main window's behaviour without any toolkit: a recording view stands
// in for the window, real files stand in for the drive. Runs on Linux and,
// cross-built, under Wine (where the separator is "\").

#include "ui/MainWindowBehaviour.h"
#include "platform/PathName.h"
#include "tests/support/Notices.h"
#include "tests/support/ScriptRunner.h"
#include "tests/support/TestFiles.h"
#include "ui/MainWindowView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using testsupport::fromUtf8;
using testsupport::listFolder;
using testsupport::randomBytes;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::toUtf8;
using testsupport::writeFile;

constexpr char sep = tarvolin::PathName::separator;
const std::string lengthText = "被分割文件长度：（字节）";
const std::string unknownLength = "未知（文件已不存在或无法读取）";

constexpr auto* completion = &testsupport::completionNotice;
using testsupport::startsWith;

// The window's controls as plain values. The folder list opens real
// folders, the file list shows a folder's real files; every write of the
// behaviour is logged in order.
class RecordingView : public tarvolin::MainWindowView
{
public:
    std::string lab1Caption() const override { return caption; }
    void setLab1Caption(const std::string& text) override { write("Lab1.caption", caption, text); }
    std::string lab1Tag() const override { return tag; }
    void setLab1Tag(const std::string& text) override { write("Lab1.tag", tag, text); }
    std::string lab1ToolTip() const override { return toolTip; }
    void setLab1ToolTip(const std::string& text) override { write("Lab1.tooltip", toolTip, text); }
    std::string text1() const override { return size; }
    void setText1(const std::string& text) override { write("Text1", size, text); }
    std::string text2() const override { return output; }
    void setText2(const std::string& text) override { write("Text2", output, text); }
    std::string drive1Drive() const override { return drive; }
    void setDrive1For(const std::string& path) override { log.push_back("Drive1.for=" + path); }

    std::string dir1Path() const override { return folder; }
    bool setDir1Path(const std::string& path) override
    {
        log.push_back("Dir1.path=" + path);
        if (failDir1)
            throw std::runtime_error("the folder list failed");
        std::error_code error;
        if (!fs::is_directory(fromUtf8(path), error))
            return false;
        folder = path;
        behaviour->Dir1_Change();
        return true;
    }

    std::string file1Path() const override { return filesFolder; }
    void setFile1Path(const std::string& path) override
    {
        log.push_back("File1.path=" + path);
        filesFolder = path;
        files.clear();
        selected = -1;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(fromUtf8(path), error)) {
            if (entry.is_regular_file())
                files.push_back(toUtf8(entry.path().filename()));
        }
        std::sort(files.begin(), files.end());
    }
    int file1EntryCount() const override { return static_cast<int>(files.size()); }
    std::string file1FileName() const override
    {
        if (failFileName)
            throw std::runtime_error("the file list failed");
        return selected >= 0 ? files[static_cast<std::size_t>(selected)] : std::string();
    }

    bool setFile1FileName(const std::string& name) override
    {
        const auto found = std::find(files.begin(), files.end(), name);
        if (found == files.end())
            return false;
        selected = static_cast<int>(found - files.begin());
        return true;
    }
    void focusText1() override { log.push_back("focus=Text1"); }

    void setFrame3Caption(const std::string& text) override { frame3.push_back(text); }
    void showNotice(const std::string& text) override { notices.push_back(text); }
    void pumpEvents() override
    {
        ++pumps;
        if (onPump)
            onPump(pumps);
    }
    void endProgram() override { ++programEnds; }
    void showAbout() override { ++aboutShown; }

    // The user selects the entry named name (by mouse or keyboard): the
    // list's selection, then its click.
    void select(const std::string& name)
    {
        const auto found = std::find(files.begin(), files.end(), name);
        ASSERT_NE(found, files.end()) << name;
        selected = static_cast<int>(found - files.begin());
        behaviour->File1_Click();
    }

    tarvolin::MainWindowBehaviour* behaviour = nullptr;
    std::string caption, tag, toolTip, size, output, drive, folder, filesFolder;
    std::vector<std::string> files;
    int selected = -1;
    std::vector<std::string> log, frame3, notices;
    int pumps = 0, programEnds = 0, aboutShown = 0;
    bool failDir1 = false, failFileName = false;
    std::function<void(int)> onPump;

private:
    void write(const char* what, std::string& property, const std::string& value)
    {
        log.push_back(std::string(what) + "=" + value);
        property = value;
    }
};

// A window over a scratch folder, "work", which the lists show; it has been
// loaded, so Lab1's tag holds the initial (empty) caption.
class Behaviour : public testing::Test
{
protected:
    Behaviour()
    {
        fs::create_directories(fromUtf8(work));
        view.behaviour = &behaviour;
        view.drive = dir.folder();
        behaviour.Form_Load();
        view.setDir1Path(work);
        view.log.clear();
    }

    // Writes a file into work, refreshes the lists and selects it.
    std::string choose(const std::string& name, const std::string& bytes)
    {
        writeFile(work + sep + name, bytes);
        view.setDir1Path(work);
        view.select(name);
        return work + sep + name;
    }

    TempDir dir;
    std::string work = dir / "work";
    RecordingView view;
    tarvolin::MainWindowBehaviour behaviour{view};
};

TEST_F(Behaviour, LoadKeepsTheInitialCaptionInTheTag)
{
    RecordingView fresh;
    tarvolin::MainWindowBehaviour other(fresh);
    fresh.caption = "initial";
    other.Form_Load();
    EXPECT_EQ(fresh.tag, "initial");
    EXPECT_EQ(fresh.log, std::vector<std::string>{"Lab1.tag=initial"});
    EXPECT_EQ(view.tag, "");
}

TEST_F(Behaviour, ClickPutsExactlyOneSeparatorBetweenFolderAndName)
{
    fs::create_directories(fromUtf8(work + sep + "sub"));
    writeFile(work + sep + "a.bin", std::string(1048576, 'a'));
    writeFile(work + sep + "empty.bin", "");
    writeFile(work + sep + "my file.txt", "12345");
    writeFile(work + sep + "电影 片段.avi", "1234567");
    writeFile(work + sep + "sub" + sep + "inner.bin", "i");

    struct Case
    {
        std::string folder, name, caption, text2, length;
    };
    std::vector<Case> cases{
        {work, "a.bin", work + sep + "a.bin", work + sep, "1048576"},
        {work, "empty.bin", work + sep + "empty.bin", work + sep, "0"},
        {work, "my file.txt", work + sep + "my file.txt", work + sep, "5"},
        {work, "电影 片段.avi", work + sep + "电影 片段.avi", work + sep, "7"},
        {work + sep + "sub", "inner.bin", work + sep + "sub" + sep + "inner.bin",
         work + sep + "sub" + sep, "1"},
        // A folder that ends in the separator, as a drive's root does.
        {work + sep, "a.bin", work + sep + "a.bin", work + sep, "1048576"},
    };
    // A real drive root where the test run has one to write into (Wine's Y:\).
    if (const char* root = std::getenv("TARVOLIN_TEST_DRIVE")) {
        writeFile(std::string(root) + "top.bin", std::string(5000, 't'));
        cases.push_back({root, "top.bin", std::string(root) + "top.bin", root, "5000"});
    }
    for (const Case& c : cases) {
        ASSERT_TRUE(view.setDir1Path(c.folder)) << c.folder;
        view.select(c.name);
        EXPECT_EQ(view.caption, c.caption) << c.name;
        EXPECT_EQ(view.output, c.text2) << c.name;
        EXPECT_EQ(view.toolTip, lengthText + c.length) << c.name;
    }
    if (const char* root = std::getenv("TARVOLIN_TEST_DRIVE"))
        fs::remove(fromUtf8(std::string(root) + "top.bin"));
}

TEST_F(Behaviour, ClickWritesCaptionThenOutputFolderThenTooltip)
{
    writeFile(work + sep + "a.bin", "abc");
    view.setDir1Path(work);
    view.log.clear();
    view.select("a.bin");
    EXPECT_EQ(view.log, (std::vector<std::string>{"Lab1.caption=" + work + sep + "a.bin",
                                                  "Text2=" + work + sep,
                                                  "Lab1.tooltip=" + lengthText + "3"}));
}

TEST_F(Behaviour, TooltipTellsTheLengthOrThatItIsUnknown)
{
    struct Case
    {
        std::optional<std::int64_t> length;
        std::string text;
    };
    for (const Case& c :
         {Case{0, lengthText + "0"}, Case{1048576, lengthText + "1048576"},
          Case{2147483647, lengthText + "2147483647"}, Case{5368709120, lengthText + "5368709120"},
          Case{std::nullopt, lengthText + unknownLength}})
        EXPECT_EQ(tarvolin::MainWindowBehaviour::lengthToolTip(c.length), c.text) << c.text;

    // The file went away after the list was filled.
    writeFile(work + sep + "gone.bin", "g");
    view.setDir1Path(work);
    fs::remove(fromUtf8(work + sep + "gone.bin"));
    view.select("gone.bin");
    EXPECT_EQ(view.caption, work + sep + "gone.bin");
    EXPECT_EQ(view.output, work + sep);
    EXPECT_EQ(view.toolTip, lengthText + unknownLength);
    EXPECT_TRUE(view.notices.empty());
}

TEST_F(Behaviour, ClickOnAnEmptyListChangesNothing)
{
    const std::string empty = dir / "empty";
    fs::create_directories(fromUtf8(empty));
    view.caption = "chosen";
    view.toolTip = "tip";
    view.output = "out";
    view.setDir1Path(empty);
    ASSERT_EQ(view.file1EntryCount(), 0);
    view.log.clear();
    behaviour.File1_Click();
    EXPECT_TRUE(view.log.empty());
    EXPECT_EQ(view.caption, "chosen");
    EXPECT_EQ(view.toolTip, "tip");
    EXPECT_EQ(view.output, "out");
}

TEST_F(Behaviour, ChangeOfFolderMovesTheFileListOnly)
{
    const std::string sub = work + sep + "sub";
    fs::create_directories(fromUtf8(sub));
    writeFile(sub + sep + "inner.bin", "i");
    choose("a.bin", "abc");
    view.log.clear();
    view.folder = sub; // the user opens a folder
    behaviour.Dir1_Change();
    EXPECT_EQ(view.log, std::vector<std::string>{"File1.path=" + sub});
    EXPECT_EQ(view.files, std::vector<std::string>{"inner.bin"});
    EXPECT_EQ(view.caption, work + sep + "a.bin");
    EXPECT_EQ(view.output, work + sep);
}

TEST_F(Behaviour, ChangeOfDriveRestoresTheCaptionThenMovesTheLists)
{
    choose("a.bin", "abc");
    const std::string other = dir / "driveB";
    fs::create_directories(fromUtf8(other));
    writeFile(other + sep + "b.bin", "b");
    view.drive = other;
    view.log.clear();
    behaviour.Drive1_Change();
    EXPECT_EQ(view.log, (std::vector<std::string>{"Lab1.caption=", "Lab1.tooltip=",
                                                  "Dir1.path=" + other, "File1.path=" + other}));
    EXPECT_EQ(view.caption, "");
    EXPECT_EQ(view.output, work + sep) << "kept";
    EXPECT_EQ(view.files, std::vector<std::string>{"b.bin"});
}

TEST_F(Behaviour, DriveThatIsNotReadyFailsSilently)
{
    choose("a.bin", "abc");
    for (bool throws : {false, true}) {
        view.caption = "chosen";
        view.drive = dir / "notready";
        view.failDir1 = throws;
        EXPECT_NO_THROW(behaviour.Drive1_Change());
        EXPECT_EQ(view.caption, "") << "restored before the failure";
        EXPECT_EQ(view.folder, work) << "the lists stay where they were";
        EXPECT_EQ(view.filesFolder, work);
        EXPECT_EQ(view.files, std::vector<std::string>{"a.bin"});
        EXPECT_TRUE(view.notices.empty());
    }
}

TEST_F(Behaviour, SizeFieldIsReadByTheNumberRules)
{
    struct Case
    {
        std::string text;
        int pieces; // 0: nothing happens at all
        std::uintmax_t firstPiece;
    };
    // 1000 bytes; a rounded size of 2 would give 500 pieces.
    for (const Case& c : {Case{"", 0, 0}, Case{"abc", 0, 0}, Case{"12abc", 0, 0},
                          Case{"2147483648", 0, 0}, Case{"-2147483649", 0, 0},
                          Case{"  400  ", 3, 400}, Case{"1.5", 500, 2}, Case{"2.5", 500, 2},
                          Case{"332.5", 4, 332}, Case{"333.5", 3, 334}, Case{"+500", 2, 500}}) {
        TempDir scratch;
        const std::string folder = toUtf8(scratch.path());
        const std::string path = scratch / "a.bin";
        writeFile(path, randomBytes(1000));
        view.setDir1Path(folder);
        view.select("a.bin");
        view.notices.clear();
        view.size = c.text;
        behaviour.Command3_Click();
        if (c.pieces == 0) {
            EXPECT_TRUE(view.notices.empty()) << c.text;
            EXPECT_EQ(listFolder(scratch.path()).size(), 1u) << c.text;
        } else {
            EXPECT_EQ(view.notices, std::vector<std::string>{completion(c.pieces, path + ".BAT")})
                << c.text;
            EXPECT_EQ(fs::file_size(fromUtf8(path + ".000")), c.firstPiece) << c.text;
        }
    }
}

TEST_F(Behaviour, ZeroAndNegativeSizesReachTheSplit)
{
    choose("a.bin", randomBytes(10));
    view.size = "0";
    behaviour.Command3_Click();
    ASSERT_EQ(view.notices.size(), 1u);
    EXPECT_TRUE(startsWith(view.notices[0], "错误提示信息:")) << view.notices[0];
    view.size = "-1";
    behaviour.Command3_Click();
    ASSERT_EQ(view.notices.size(), 2u);
    EXPECT_EQ(view.notices[1], "朋友！“分割后文件”的大小必须大于0，请重新设置吧！");
    EXPECT_EQ(listFolder(fromUtf8(work)), std::vector<std::string>{"a.bin"});
}

TEST_F(Behaviour, OutputNameIsTheFolderTextAndTheSelectedName)
{
    const std::string source = randomBytes(300);
    choose("a.bin", source);
    fs::create_directories(fromUtf8(work + sep + "out"));
    view.size = "100";

    // Typed without its separator: the pieces land beside "out".
    view.output = work + sep + "out";
    behaviour.Command3_Click();
    EXPECT_EQ(readFile(work + sep + "outa.bin.002"), source.substr(200));
    EXPECT_TRUE(fs::is_empty(fromUtf8(work + sep + "out")));

    // No entry selected: the folder text alone.
    view.setDir1Path(work + sep + "out");
    ASSERT_EQ(view.file1FileName(), "");
    view.output = work + sep + "named";
    behaviour.Command3_Click();
    EXPECT_EQ(readFile(work + sep + "named.002"), source.substr(200));
    EXPECT_EQ(readFile(work + sep + "named.BAT"),
              "COPY/B named.000/B+named.001/B+named.002/B named/B\r\n");
}

#ifndef _WIN32
TEST_F(Behaviour, EditedFolderTextKeepsTheBytesOfTheFolderItShows)
{
    // "你好文件夹" as a Chinese Windows machine writes it: GBK bytes. The
    // field shows it readable; the user types after it, or retypes it.
    const std::string gbk = work + sep + "\xC4\xE3\xBA\xC3\xCE\xC4\xBC\xFE\xBC\xD0";
    fs::create_directories(fromUtf8(gbk + sep + "out"));
    const std::string source = randomBytes(300);
    writeFile(gbk + sep + "a.bin", source);
    view.setDir1Path(gbk);
    view.select("a.bin");
    view.size = "100";
    for (const std::string typed : {"out/", ""}) {
        view.notices.clear();
        view.output = work + sep + "你好文件夹" + sep + typed;
        behaviour.Command3_Click();
        const std::string oname = gbk + sep + typed + "a.bin";
        EXPECT_EQ(view.notices, std::vector<std::string>{completion(3, oname + ".BAT")}) << typed;
        EXPECT_EQ(readFile(oname + ".002"), source.substr(200)) << typed;
    }
    // A folder whose name only begins with the shown one is another folder.
    const std::string other = work + sep + "你好文件夹x";
    fs::create_directories(fromUtf8(other));
    view.notices.clear();
    view.output = other + sep;
    behaviour.Command3_Click();
    EXPECT_EQ(view.notices, std::vector<std::string>{completion(3, other + sep + "a.bin.BAT")});
}
#endif

TEST_F(Behaviour, NoFileChosenIsTheSplitsOwnFailure)
{
    view.size = "100";
    behaviour.Command3_Click();
    ASSERT_EQ(view.notices.size(), 1u);
    EXPECT_TRUE(startsWith(view.notices[0], "错误提示信息:")) << view.notices[0];
    EXPECT_TRUE(view.frame3.empty());
}

TEST_F(Behaviour, StartSwallowsItsOwnFailures)
{
    choose("a.bin", randomBytes(300));
    view.size = "100";
    view.failFileName = true;
    EXPECT_NO_THROW(behaviour.Command3_Click());
    EXPECT_TRUE(view.notices.empty());
    EXPECT_EQ(listFolder(fromUtf8(work)), std::vector<std::string>{"a.bin"});
}

TEST_F(Behaviour, WholeSplitGoesThroughTheView)
{
    const std::string source = randomBytes(250);
    const std::string path = choose("movie.avi", source);
    view.size = "100";
    std::vector<std::string> shownAtPump;
    view.onPump = [&](int) { shownAtPump.push_back(view.frame3.back()); };
    behaviour.Command3_Click();

    EXPECT_EQ(readFile(path + ".000"), source.substr(0, 100));
    EXPECT_EQ(readFile(path + ".001"), source.substr(100, 100));
    EXPECT_EQ(readFile(path + ".002"), source.substr(200));
    EXPECT_EQ(readFile(path + ".BAT"),
              "COPY/B movie.avi.000/B+movie.avi.001/B+movie.avi.002/B movie.avi/B\r\n");
    const std::vector<std::string> captions{"正在处理:" + path + ".000 33.33%",
                                            "正在处理:" + path + ".001 66.67%",
                                            "正在处理:" + path + ".002 100.00%"};
    EXPECT_EQ(view.frame3, captions);
    EXPECT_EQ(shownAtPump, captions) << "each piece's caption stands before its pump";
    EXPECT_EQ(view.pumps, 3);
    EXPECT_EQ(view.notices, std::vector<std::string>{completion(3, path + ".BAT")});

    fs::rename(fromUtf8(path), fromUtf8(work + sep + "original"));
    testsupport::ScriptRunner::run(fromUtf8(work), readFile(path + ".BAT"),
                                   testsupport::chineseCodePage);
    EXPECT_EQ(readFile(path), source);
}

TEST_F(Behaviour, SplitltRefusesASourceTooSmall)
{
    const std::string path = choose("a.bin", randomBytes(101));
    EXPECT_FALSE(behaviour.splitlt(path, 100, path));
    EXPECT_EQ(view.notices, std::vector<std::string>{testsupport::tooSmallNotice});
    EXPECT_TRUE(view.frame3.empty());
    EXPECT_TRUE(behaviour.splitlt(path, 50, path));
}

TEST_F(Behaviour, SecondStartDuringASplitRunsWholeInsideTheFirst)
{
    const std::string outer = randomBytes(500, 1);
    const std::string inner = randomBytes(300, 2);
    writeFile(work + sep + "inner.bin", inner);
    const std::string outerPath = choose("outer.bin", outer);
    view.size = "100";
    view.onPump = [&](int pumps) {
        if (pumps != 1)
            return;
        // The user picks another file and size and presses start again.
        view.select("inner.bin");
        view.size = "150";
        behaviour.Command3_Click();
    };
    behaviour.Command3_Click();
    const std::string innerPath = work + sep + "inner.bin";
    EXPECT_EQ(view.notices, (std::vector<std::string>{completion(2, innerPath + ".BAT"),
                                                      completion(5, outerPath + ".BAT")}));
    EXPECT_EQ(readFile(innerPath + ".001"), inner.substr(150));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(readFile(outerPath + ".00" + std::to_string(i)),
                  outer.substr(static_cast<std::size_t>(i) * 100, 100));
    }
    EXPECT_EQ(view.frame3.back(), "正在处理:" + outerPath + ".004 100.00%");
}

TEST_F(Behaviour, HandedFileIsChosenAsAClickThenTheSizeFieldHasTheFocus)
{
    const std::string other = dir / "other";
    fs::create_directories(fromUtf8(other));
    writeFile(other + sep + "b.bin", "bb");
    view.output = "typed";
    behaviour.chooseHanded({other + sep + "b.bin", "c.bin"});
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "Drive1.for=" + other, "Dir1.path=" + other, "File1.path=" + other,
                            "Lab1.caption=" + other + sep + "b.bin", "Text2=" + other + sep,
                            "Lab1.tooltip=" + lengthText + "2", "focus=Text1"}));
    EXPECT_EQ(view.file1FileName(), "b.bin");
    EXPECT_EQ(view.notices,
              std::vector<std::string>{"一次只能分割一个文件，其余 1 个没有选择：“c.bin”"});

    // A folder opens the lists there and chooses nothing.
    view.log.clear();
    behaviour.chooseHanded({work});
    EXPECT_EQ(view.log, (std::vector<std::string>{"Drive1.for=" + work, "Dir1.path=" + work,
                                                  "File1.path=" + work}));
    EXPECT_EQ(view.caption, other + sep + "b.bin");
}

TEST_F(Behaviour, CloseUnloadAndAboutGoToTheView)
{
    behaviour.Command1_Click();
    EXPECT_EQ(view.programEnds, 1);
    behaviour.Form_Unload();
    EXPECT_EQ(view.programEnds, 2);
    behaviour.command2_Click();
    behaviour.command2_Click();
    EXPECT_EQ(view.aboutShown, 2);
    EXPECT_TRUE(view.log.empty()) << "no control changes";
}

} // namespace
