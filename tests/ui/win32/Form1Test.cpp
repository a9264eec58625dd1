// The Win32 main window as a user meets it: its controls where the layout
// table puts them, its texts, its focus order and keys, the three lists on a
// scratch drive, a whole split with its GBK script, the About window and the
// notices. Runs under Wine on a virtual display, code page 936.

#include "ui/win32/Form1.h"
#include "platform/windows/WideText.h"
#include "tests/support/LongTree.h"
#include "tests/support/TestFiles.h"
#include "tests/support/win32/RecordingWindowServices.h"
#include "tests/support/win32/Win32TestWindow.h"
#include "tests/support/win32/Win32Windows.h"
#include "ui/win32/Form2.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <dbt.h>
#include <shlobj.h>

#include <bit>

#include <map>

namespace {

namespace fs = std::filesystem;
namespace layout = tarvolin::layout;
using testsupport::className;
using testsupport::listTexts;
using testsupport::pressKey;
using testsupport::rectInClient;
using testsupport::text;

class Form1Test : public testing::Test
{
protected:
    Form1Test() { testsupport::initCommonControls(); }

    HWND control(std::string_view name) const { return form.controls()[name]; }
    int id(std::string_view name) const { return form.controls().id(name); }
    std::string focusName() const
    {
        return std::string(form.controls().nameOf(GetDlgCtrlID(GetFocus())));
    }
    void click(std::string_view button) { SendMessageW(control(button), BM_CLICK, 0, 0); }
    void setText(std::string_view name, const std::string& value)
    {
        SetWindowTextW(control(name), tarvolin::wideText(value).c_str());
    }
    // Picks the drive whose list text starts with letter, as the user would.
    void pickDrive(wchar_t letter)
    {
        const HWND drives = control("Drive1");
        const wchar_t prefix[] = {letter, L':', 0};
        const LRESULT index =
            SendMessageW(drives, CB_FINDSTRING, -1, reinterpret_cast<LPARAM>(prefix));
        ASSERT_NE(index, CB_ERR) << "no drive " << char(letter);
        SendMessageW(drives, CB_SETCURSEL, index, 0);
        SendMessageW(form.handle(), WM_COMMAND, MAKEWPARAM(id("Drive1"), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(drives));
    }
    // The text the tooltip control shows over a control.
    std::string toolTipOf(std::string_view name) const
    {
        HWND tips = nullptr;
        while ((tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr)) != nullptr) {
            if (GetWindow(tips, GW_OWNER) == form.handle())
                break;
        }
        wchar_t shown[256] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = form.handle();
        tool.uId = reinterpret_cast<UINT_PTR>(control(name));
        tool.lpszText = shown;
        SendMessageW(tips, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
        return tarvolin::utf8Text(shown);
    }
    void selectFirstFile()
    {
        SetFocus(control("File1"));
        pressKey(VK_HOME);
    }

    testsupport::RecordingWindowServices services;
    tarvolin::Form1 form{services};
};

TEST_F(Form1Test, ControlsStandWhereTheLayoutPutsThem)
{
    const std::map<layout::Kind, std::string> classes = {
        {layout::Kind::Frame, "Button"},       {layout::Kind::Label, "Static"},
        {layout::Kind::TextBox, "Edit"},       {layout::Kind::CommandButton, "Button"},
        {layout::Kind::DriveList, "ComboBox"}, {layout::Kind::FolderList, "ListBox"},
        {layout::Kind::FileList, "ListBox"},
    };
    for (const layout::Control& c : layout::form1.controls) {
        SCOPED_TRACE(std::string(c.name));
        const HWND window = control(c.name);
        ASSERT_TRUE(IsWindow(window));
        EXPECT_EQ(GetParent(window), form.handle());
        EXPECT_TRUE(IsWindowEnabled(window));
        EXPECT_EQ(className(window), classes.at(c.kind));
        const RECT expected =
            tarvolin::ControlSet::clientRect(layout::form1, c, form.controls().layoutDpi());
        RECT actual = rectInClient(window);
        // A drop-down list's closed box is as high as its font makes it.
        if (c.kind == layout::Kind::DriveList)
            actual.bottom = expected.bottom;
        EXPECT_EQ(actual, expected);
        if (c.kind != layout::Kind::DriveList) {
            EXPECT_EQ(text(window), c.text);
        }
    }
    // The offsets of the containers add up: a few by hand, at 96 dots per inch.
    for (const auto& [name, at] : {std::pair{"Frame1", RECT{0, -4, 473, 321}},
                                   {"Dir1", RECT{16, 45, 225, 205}},
                                   {"Text2", RECT{120, 284, 457, 303}},
                                   {"command2", RECT{336, 336, 457, 361}}})
        EXPECT_EQ(tarvolin::ControlSet::clientRect(layout::form1, layout::form1.control(name), 96),
                  at);

    EXPECT_EQ(text(form.handle()), layout::form1.caption);
    // The client area at its place on the screen, 473 x 371 pixels at 96
    // dots per inch, and as much larger as the font needs.
    const RECT client = testsupport::clientOnScreen(form.handle());
    const int dpi = form.controls().layoutDpi();
    EXPECT_EQ(client, (RECT{158, 109, 158 + MulDiv(473, dpi, 96), 109 + MulDiv(371, dpi, 96)}));
    const LONG style = GetWindowLongW(form.handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
}

TEST_F(Form1Test, FramesLieBelowTheControlsInsideThem)
{
    // Whether window lies above other among their siblings.
    const auto above = [](HWND window, HWND other) {
        for (HWND next = GetWindow(window, GW_HWNDNEXT); next != nullptr;
             next = GetWindow(next, GW_HWNDNEXT))
            if (next == other)
                return true;
        return false;
    };
    for (const layout::Control& frame : layout::form1.controls) {
        if (frame.kind != layout::Kind::Frame)
            continue;
        SCOPED_TRACE(std::string(frame.name));
        EXPECT_TRUE(GetWindowLongW(control(frame.name), GWL_STYLE) & WS_CLIPSIBLINGS);
        for (const layout::Control& inside : layout::form1.controls) {
            for (const layout::Control* c = &inside; c->container != layout::form1.name;
                 c = &layout::form1.control(c->container)) {
                if (c->container == frame.name) {
                    EXPECT_TRUE(above(control(inside.name), control(frame.name))) << inside.name;
                }
            }
        }
    }
}

TEST_F(Form1Test, TabVisitsTheControlsInTheirOrderFromTheStartButton)
{
    form.show();
    EXPECT_EQ(focusName(), "Command3");
    std::vector<std::string> visited;
    for (size_t i = 0; i < layout::focusOrder(layout::form1).size(); ++i) {
        visited.push_back(focusName());
        pressKey(VK_TAB);
    }
    std::vector<std::string> expected;
    for (const layout::Control* c : layout::focusOrder(layout::form1))
        expected.emplace_back(c->name);
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(focusName(), "Command3");
}

TEST_F(Form1Test, EnterPressesTheFocusedButtonAndEscapeDoesNothing)
{
    form.show();
    pressKey(VK_ESCAPE);
    pressKey(VK_RETURN); // "开始分割" with an empty size: nothing at all
    EXPECT_TRUE(services.notices.empty());
    EXPECT_EQ(form.about(), nullptr);

    SetFocus(control("command2"));
    pressKey(VK_RETURN);
    ASSERT_NE(form.about(), nullptr);

    SetActiveWindow(form.handle());
    SetFocus(control("Command1"));
    pressKey(VK_RETURN);
    EXPECT_EQ(services.programEnds, 1);
    // The close box, the system menu's Close and Alt+F4 end it as well.
    SendMessageW(form.handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(services.programEnds, 2);
}

TEST_F(Form1Test, ListsDriveEachOtherOnADrive)
{
    const std::wstring drive = testsupport::scratchDrive();
    if (drive.empty())
        GTEST_SKIP() << "no scratch drive (TARVOLIN_TEST_DRIVE)";
    const std::string root = tarvolin::utf8Text(drive);
    fs::remove_all(drive + L"lists");
    fs::create_directories(drive + L"lists\\子目录");
    testsupport::writeFile(root + "lists\\根.bin", std::string(300, 'r'));
    testsupport::writeFile(root + "lists\\子目录\\a.bin", "");
    form.show();

    pickDrive(drive[0]);
    EXPECT_EQ(form.dir1Path(), root);
    EXPECT_EQ(form.file1Path(), root);
    ASSERT_TRUE(form.setDir1Path(root + "lists"));
    EXPECT_EQ(form.file1Path(), root + "lists");

    // Home in the file list selects the file and fires its click.
    selectFirstFile();
    EXPECT_EQ(form.lab1Caption(), root + "lists\\根.bin");
    EXPECT_EQ(form.text2(), root + "lists\\");
    EXPECT_EQ(form.lab1ToolTip(), "被分割文件长度：（字节）300");
    EXPECT_EQ(toolTipOf("Lab1"), "被分割文件长度：（字节）300");

    // Enter in the folder list opens the selected folder; the file list
    // follows, the source stays.
    SetFocus(control("Dir1"));
    pressKey(VK_END);
    pressKey(VK_RETURN);
    EXPECT_EQ(form.dir1Path(), root + "lists\\子目录");
    EXPECT_EQ(form.file1Path(), root + "lists\\子目录");
    EXPECT_EQ(form.file1EntryCount(), 1);
    EXPECT_EQ(form.lab1Caption(), root + "lists\\根.bin");
    selectFirstFile();
    EXPECT_EQ(form.lab1Caption(), root + "lists\\子目录\\a.bin");
    EXPECT_EQ(form.lab1ToolTip(), "被分割文件长度：（字节）0");

    // A drive that is not ready: the caption goes back to its tag, the
    // lists stay, nothing is said.
    wchar_t absent[8] = {};
    if (GetEnvironmentVariableW(L"TARVOLIN_TEST_ABSENT_DRIVE", absent, 8)) {
        pickDrive(absent[0]);
        EXPECT_EQ(form.lab1Caption(), "");
        EXPECT_EQ(form.dir1Path(), root + "lists\\子目录");
        EXPECT_EQ(form.file1EntryCount(), 1);
        EXPECT_EQ(text(control("Drive1")).substr(0, 2),
                  tarvolin::utf8Text(std::wstring{wchar_t(towlower(absent[0])), L':'}));
    }
    EXPECT_TRUE(services.notices.empty());
}

TEST_F(Form1Test, DriveListFollowsVolumesThatComeAndGo)
{
    const HWND drives = control("Drive1");
    const auto count = [&] { return SendMessageW(drives, CB_GETCOUNT, 0, 0); };
    const std::string chosen = text(drives);
    // A stale list: only the chosen drive.
    const auto makeStale = [&] {
        SendMessageW(drives, CB_RESETCONTENT, 0, 0);
        SendMessageW(drives, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(tarvolin::wideText(chosen).c_str()));
        SendMessageW(drives, CB_SETCURSEL, 0, 0);
    };
    DEV_BROADCAST_VOLUME volume{};
    volume.dbcv_size = sizeof volume;
    volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
    volume.dbcv_unitmask = 1u << 22; // W:

    // Another device change (a node, posted by the system) leaves the list.
    makeStale();
    PostMessageW(form.handle(), WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
    services.pumpEvents();
    EXPECT_EQ(count(), 1);

    // A volume that arrives or goes: every drive again, the choice kept.
    // The system sends these (a message that carries a pointer cannot be
    // posted), so the test does too.
    for (const WPARAM event : {DBT_DEVICEARRIVAL, DBT_DEVICEREMOVECOMPLETE}) {
        makeStale();
        SendMessageW(form.handle(), WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume));
        EXPECT_EQ(count(), std::popcount(GetLogicalDrives()));
        EXPECT_EQ(text(drives), chosen);
    }
    EXPECT_TRUE(services.notices.empty());
}

TEST_F(Form1Test, OpensAndListsAFolderDeeperThanThePathLimit)
{
    testsupport::TempDir dir;
    const testsupport::LongTree made{L"\\\\?\\" + dir.path().wstring()};
    std::string deep = testsupport::toUtf8(dir.path());
    for (const char letter : {'a', 'b', 'c'}) {
        deep += "\\" + std::string(100, letter) + ".";
        ASSERT_TRUE(fs::create_directory(testsupport::fromUtf8("\\\\?\\" + deep)));
    }
    testsupport::writeFile("\\\\?\\" + deep + "\\文件 ", std::string(42, 'x'));
    form.show();
    ASSERT_TRUE(form.setDir1Path(deep));
    EXPECT_EQ(form.dir1Path(), deep);
    ASSERT_EQ(form.file1EntryCount(), 1);
    selectFirstFile();
    EXPECT_EQ(form.lab1Caption(), deep + "\\文件 ");
    // Too long for the label: the folders give way, the name stays.
    const std::string shown = text(control("Lab1"));
    EXPECT_NE(shown.find("…"), std::string::npos) << shown;
    EXPECT_TRUE(shown.ends_with("\\文件 ")) << shown;
    EXPECT_EQ(form.text2(), deep + "\\");
    EXPECT_EQ(form.lab1ToolTip(), "被分割文件长度：（字节）42");
}

TEST_F(Form1Test, FileOnTheCommandLineOrDroppedIsChosenAsAClick)
{
    testsupport::TempDir dir;
    const std::string folder = testsupport::toUtf8(dir.path());
    fs::create_directories(dir.path() / L"子目录");
    testsupport::writeFile(folder + "\\视频 样本.bin", std::string(300, 'v'));
    testsupport::writeFile(folder + "\\子目录\\a.bin", "abc");
    form.show();

    // As Explorer starts the program for a file dragged onto it.
    form.chooseHanded(tarvolin::Form1::commandLineNames(
        tarvolin::wideText("\"C:\\tarvolin.exe\" \"" + folder + "\\视频 样本.bin\"").c_str()));
    EXPECT_EQ(form.dir1Path(), folder);
    EXPECT_EQ(form.file1FileName(), "视频 样本.bin");
    EXPECT_EQ(form.lab1Caption(), folder + "\\视频 样本.bin");
    EXPECT_EQ(form.text2(), folder + "\\");
    EXPECT_EQ(form.lab1ToolTip(), "被分割文件长度：（字节）300");
    EXPECT_EQ(focusName(), "Text1");
    EXPECT_EQ(text(control("Drive1")).substr(0, 2),
              tarvolin::utf8Text(std::wstring{wchar_t(towlower(folder[0])), L':'}));

    // A drop of two files, as the shell hands it: the first is chosen.
    const std::wstring names = tarvolin::wideText(folder + "\\子目录\\a.bin") + L'\0' +
                               tarvolin::wideText(folder + "\\视频 样本.bin") + L'\0' + L'\0';
    const HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::copy(names.begin(), names.end(), reinterpret_cast<wchar_t*>(files + 1));
    GlobalUnlock(drop);
    SendMessageW(form.handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(form.dir1Path(), folder + "\\子目录");
    EXPECT_EQ(form.lab1Caption(), folder + "\\子目录\\a.bin");
    EXPECT_EQ(form.text2(), folder + "\\子目录\\");
    EXPECT_EQ(services.notices,
              std::vector<std::string>{"一次只能分割一个文件，其余 1 个没有选择：“" + folder +
                                       "\\视频 样本.bin”"});
}

TEST_F(Form1Test, FileListFollowsItsFolderOnDiskKeepingTheSelection)
{
    testsupport::TempDir dir;
    testsupport::writeFile(dir / "notes.txt", "n");
    form.show();
    ASSERT_TRUE(form.setDir1Path(testsupport::toUtf8(dir.path())));
    selectFirstFile();
    ASSERT_EQ(form.file1FileName(), "notes.txt");

    // Only the window's own timer runs: no key, no click. The new files
    // come before the selected one.
    for (const char* name : {"movie.avi", "movie.avi.000"})
        testsupport::writeFile(dir / name, "x");
    const std::vector<std::wstring> shown = {L"movie.avi", L"movie.avi.000", L"notes.txt"};
    EXPECT_TRUE(testsupport::waitFor([&] { return listTexts(control("File1")) == shown; }));
    EXPECT_EQ(form.file1FileName(), "notes.txt");
    fs::remove(dir.path() / "movie.avi");
    EXPECT_TRUE(testsupport::waitFor([&] { return form.file1EntryCount() == 2; }));
    EXPECT_EQ(form.file1FileName(), "notes.txt");
    EXPECT_EQ(form.lab1Caption(), dir / "notes.txt");
}

TEST_F(Form1Test, SplitsThroughTheWindowWithAGbkScript)
{
    testsupport::TempDir dir;
    const std::string name = "视频 样本.bin";
    const std::string source = testsupport::randomBytes(250000, 3);
    testsupport::writeFile(dir / name, source);
    form.show();
    ASSERT_TRUE(form.setDir1Path(testsupport::toUtf8(dir.path())));
    selectFirstFile();
    setText("Text1", " 100000 ");
    click("Command3");

    ASSERT_EQ(services.notices.size(), 1u);
    EXPECT_NE(services.notices[0].find("成功完成"), std::string::npos) << services.notices[0];
    EXPECT_EQ(services.owners[0], form.handle());
    EXPECT_EQ(services.pumps, 3);
    for (int piece = 0; piece < 3; ++piece)
        EXPECT_EQ(testsupport::readFile(dir / (name + ".00" + std::to_string(piece))),
                  source.substr(piece * 100000, 100000));
    // 视频 样本 in code page 936.
    const std::string gbk = "\xCA\xD3\xC6\xB5 \xD1\xF9\xB1\xBE.bin";
    EXPECT_EQ(testsupport::readFile(dir / (name + ".BAT")), "COPY/B \"" + gbk + ".000\"/B+\"" +
                                                                gbk + ".001\"/B+\"" + gbk +
                                                                ".002\"/B \"" + gbk + "\"/B\r\n");
    EXPECT_EQ(form.frame3Caption(), "正在处理:" + dir.folder() + name + ".002 100.00%");
    // Shown whole, or shortened in its folders: the piece and the share stay.
    const std::string shown = text(control("Frame3"));
    EXPECT_TRUE(shown == form.frame3Caption() || (shown.find("…") != std::string::npos &&
                                                  shown.ends_with("\\" + name + ".002 100.00%")))
        << shown;
}

TEST_F(Form1Test, NoticesComeFromTheSplitOverTheWindow)
{
    setText("Text1", "10");
    click("Command3"); // no file chosen
    ASSERT_EQ(services.notices.size(), 1u);
    EXPECT_EQ(services.notices[0].rfind("错误提示信息:", 0), 0u) << services.notices[0];
    EXPECT_EQ(services.owners[0], form.handle());
}

TEST_F(Form1Test, AboutOpensOnceClosesAndOpensAgain)
{
    form.show();
    click("command2");
    tarvolin::Form2* about = form.about();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(IsWindowVisible(about->handle()));
    EXPECT_EQ(GetWindow(about->handle(), GW_OWNER), nullptr);

    // Pressed again while the About window lies behind the main window, the
    // button brings it to the front.
    const auto isAbove = [](HWND upper, HWND lower) {
        for (HWND below = GetWindow(upper, GW_HWNDNEXT); below != nullptr;
             below = GetWindow(below, GW_HWNDNEXT)) {
            if (below == lower)
                return true;
        }
        return false;
    };
    SetForegroundWindow(form.handle());
    SetWindowPos(form.handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(isAbove(form.handle(), about->handle()));
    click("command2");
    EXPECT_EQ(form.about(), about);
    EXPECT_TRUE(isAbove(about->handle(), form.handle()));
    EXPECT_EQ(GetForegroundWindow(), about->handle());
    EXPECT_EQ(
        FindWindowExW(nullptr, FindWindowW(L"TarvolinForm2", nullptr), L"TarvolinForm2", nullptr),
        nullptr);

    SendMessageW(about->handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form.about(), nullptr);
    EXPECT_EQ(FindWindowW(L"TarvolinForm2", nullptr), nullptr);
    EXPECT_EQ(services.programEnds, 0);
    EXPECT_TRUE(IsWindowVisible(form.handle()));

    click("command2");
    ASSERT_NE(form.about(), nullptr);
    EXPECT_TRUE(IsWindowVisible(form.about()->handle()));
}

} // namespace
