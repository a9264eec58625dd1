// The stored layouts against the numbers the windows were designed with:
// the one place besides the table where they are written, to check it.

#include "ui/Layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace tarvolin::layout;

TEST(Layout, TwipsBecomePixelsFifteenToOneAt96Dpi)
{
    EXPECT_EQ(twipsToPixels(0), 0);
    EXPECT_EQ(twipsToPixels(15), 1);
    EXPECT_EQ(twipsToPixels(7095), 473);
    EXPECT_EQ(twipsToPixels(130), 9) << "8.67 rounds up";
    EXPECT_EQ(twipsToPixels(290), 19) << "19.33 rounds down";
    EXPECT_EQ(twipsToPixels(-60), -4);
    EXPECT_EQ(twipsToPixels(-70), -5) << "-4.67";
    EXPECT_EQ(twipsToPixels(7095, 192), 946);
    EXPECT_EQ(twipsToPixels(1935, 144), 194) << "193.5: a half away from zero";
    EXPECT_EQ(twipsToPixels(-75, 144), -8) << "-7.5: a half away from zero";
    EXPECT_EQ(twipsToPixels(1440, 120), 120) << "an inch is dpi pixels";
    EXPECT_EQ(toPixels(Rect{120, 130, 6855, 3120}), (Rect{8, 9, 457, 208}));
    static_assert(twipsToPixels(2370) == 158);
}

TEST(Layout, MainWindowAsSpecified)
{
    EXPECT_EQ(form1.name, "Form1");
    EXPECT_EQ(form1.caption, "Tarvolin——Quenby作品   V1.0");
    EXPECT_EQ(form1.client, (Rect{2370, 1635, 7095, 5565}));
    EXPECT_EQ(form1.client.left, 2370) << "the window is not centred";
    EXPECT_TRUE(form1.frame.sizable);
    EXPECT_TRUE(form1.frame.systemMenu);
    EXPECT_TRUE(form1.frame.minimizeBox);
    EXPECT_FALSE(form1.frame.maximizeBox);
    EXPECT_TRUE(form1.frame.closeBox);

    struct Case
    {
        const char* name;
        Kind kind;
        const char* container;
        const char* text;
        Rect twips;
        int tabIndex;
    };
    const Case cases[] = {
        {"Frame1", Kind::Frame, "Form1", "", {0, -60, 7095, 4875}, 0},
        {"Frame3", Kind::Frame, "Frame1", "请选择要分割的文件:", {120, 130, 6855, 3120}, 3},
        {"Drive1", Kind::DriveList, "Frame3", "", {120, 240, 3135, 300}, 4},
        {"Dir1", Kind::FolderList, "Frame3", "", {120, 600, 3135, 2400}, 5},
        {"File1", Kind::FileList, "Frame3", "", {3360, 240, 3375, 2790}, 6},
        {"Frame4", Kind::Frame, "Frame1", "分割配置信息:", {120, 3360, 6855, 1335}, 7},
        {"Label3", Kind::Label, "Frame4", "将要被分割文件名：", {120, 240, 1695, 255}, 8},
        {"Lab1", Kind::Label, "Frame4", "", {1680, 240, 5055, 255}, 9},
        {"Label5", Kind::Label, "Frame4", "分割后文件的大小：", {120, 600, 1695, 255}, 10},
        {"Text1", Kind::TextBox, "Frame4", "", {1680, 600, 2535, 270}, 11},
        {"Label6", Kind::Label, "Frame4", "单位：bytes/字节", {4320, 600, 1455, 255}, 12},
        {"Label7", Kind::Label, "Frame4", "分割后文件保存在：", {120, 960, 1695, 255}, 13},
        {"Text2", Kind::TextBox, "Frame4", "", {1680, 960, 5055, 290}, 14},
        {"Frame2", Kind::Frame, "Form1", "", {0, 4800, 7095, 735}, 1},
        {"Command3", Kind::CommandButton, "Frame2", "开始分割", {120, 240, 1935, 375}, 2},
        {"Command1", Kind::CommandButton, "Frame2", "关闭", {2640, 240, 1815, 375}, 15},
        {"command2", Kind::CommandButton, "Frame2", "关于", {5040, 240, 1815, 375}, 16},
    };
    ASSERT_EQ(form1.controls.size(), std::size(cases));
    for (const Case& c : cases) {
        const Control* control = form1.find(c.name);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(control->kind, c.kind) << c.name;
        EXPECT_EQ(control->container, c.container) << c.name;
        EXPECT_EQ(control->text, c.text) << c.name;
        EXPECT_EQ(control->twips, c.twips) << c.name;
        EXPECT_EQ(control->tabIndex, c.tabIndex) << c.name;
    }
    EXPECT_EQ(form1.find("Form9"), nullptr);
    EXPECT_THROW(form1.control("Form9"), std::out_of_range);
    EXPECT_EQ(&form1.control("Lab1"), form1.find("Lab1"));
}

TEST(Layout, AboutWindowAsSpecified)
{
    EXPECT_EQ(form2.name, "Form2");
    EXPECT_EQ(form2.caption, "关于");
    EXPECT_EQ(form2.client, (Rect{4035, 3240, 3450, 1785}));
    EXPECT_FALSE(form2.frame.sizable);
    EXPECT_TRUE(form2.frame.systemMenu);
    EXPECT_FALSE(form2.frame.minimizeBox);
    EXPECT_FALSE(form2.frame.maximizeBox);
    EXPECT_TRUE(form2.frame.closeBox);

    struct Case
    {
        const char* name;
        Kind kind;
        const char* text;
        Rect twips;
        int tabIndex;
    };
    const Case cases[] = {
        {"Image1", Kind::Image, "", {120, 480, 510, 495}, noTabIndex},
        {"Label1", Kind::Label, "Tarvolin v1.0版", {840, 360, 2175, 255}, 0},
        {"Label2", Kind::Label, "作者：qb@example.org", {840, 720, 2175, 255}, 1},
        {"Label3", Kind::Label, "请免费使用，请互相传播", {840, 1080, 2055, 255}, 2},
    };
    ASSERT_EQ(form2.controls.size(), std::size(cases));
    for (const Case& c : cases) {
        const Control& control = form2.control(c.name);
        EXPECT_EQ(control.kind, c.kind) << c.name;
        EXPECT_EQ(control.container, "Form2") << c.name;
        EXPECT_EQ(control.text, c.text) << c.name;
        EXPECT_EQ(control.twips, c.twips) << c.name;
        EXPECT_EQ(control.tabIndex, c.tabIndex) << c.name;
    }
    // The picture at its own size: 15 twips per pixel.
    EXPECT_EQ(form2.control("Image1").pixels().width, emblemWidth);
    EXPECT_EQ(form2.control("Image1").pixels().height, emblemHeight);
}

TEST(Layout, ContainersComeFirstAndNamesAreUnique)
{
    for (const Window* window : {&form1, &form2}) {
        std::vector<std::string_view> seen{window->name};
        for (const Control& c : window->controls) {
            EXPECT_EQ(std::count(seen.begin(), seen.end(), c.name), 0) << c.name;
            EXPECT_NE(std::find(seen.begin(), seen.end(), c.container), seen.end())
                << c.name << " in " << c.container;
            if (c.container != window->name) {
                EXPECT_EQ(window->control(c.container).kind, Kind::Frame) << c.name;
            }
            seen.push_back(c.name);
        }
    }
}

TEST(Layout, PlacesInTheClientAreaAddTheContainers)
{
    // Frame1 (0, -60) holds Frame3 (120, 130), which holds Drive1 (120, 240).
    EXPECT_EQ(form1.twipsInClient(form1.control("Drive1")), (Rect{240, 310, 3135, 300}));
    EXPECT_EQ(form1.twipsInClient(form1.control("Command3")), (Rect{120, 5040, 1935, 375}));
    EXPECT_EQ(form1.twipsInClient(form1.control("Frame1")), (Rect{0, -60, 7095, 4875}));
    EXPECT_EQ(form2.twipsInClient(form2.control("Label3")), (Rect{840, 1080, 2055, 255}));

    // In pixels each offset is rounded on its own, as nested child windows
    // place them: File1's top is -4 + 9 + 16.
    EXPECT_EQ(form1.pixelsInClient(form1.control("File1")), (Rect{232, 21, 225, 186}));
    EXPECT_EQ(form1.pixelsInClient(form1.control("Text2")), (Rect{120, 284, 337, 19}));
    EXPECT_EQ(form1.pixelsInClient(form1.control("Command1")), (Rect{176, 336, 121, 25}));
    EXPECT_EQ(form1.pixelsInClient(form1.control("Command1"), 192), (Rect{352, 672, 242, 50}));
}

TEST(Layout, FocusOrderFollowsTheTabIndex)
{
    std::vector<std::string_view> names;
    for (const Control* c : focusOrder(form1))
        names.push_back(c->name);
    EXPECT_EQ(names, (std::vector<std::string_view>{"Command3", "Drive1", "Dir1", "File1", "Text1",
                                                    "Text2", "Command1", "command2"}));
    EXPECT_TRUE(focusOrder(form2).empty()) << "no control of the About window takes the focus";
}

} // namespace
