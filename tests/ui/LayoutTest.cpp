// The stored layouts: what a change of the table could break - a control
// outside its container, a focus order against the tab indexes, a caption
// or frame other than the windows show - and the twips-to-pixels rule.

#include "ui/Layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
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

TEST(Layout, WindowsShowTheirCaptionsAndFrames)
{
    EXPECT_EQ(form1.caption, "Tarvolin——Quenby作品   V1.0");
    EXPECT_EQ(form2.caption, "关于");
    // The main window can be resized and minimized but not maximized; the
    // About window keeps its size.
    EXPECT_TRUE(form1.border.sizable && form1.border.minimizeBox && !form1.border.maximizeBox);
    EXPECT_TRUE(!form2.border.sizable && !form2.border.minimizeBox && !form2.border.maximizeBox);
    for (const Window* window : {&form1, &form2})
        EXPECT_TRUE(window->border.systemMenu && window->border.closeBox) << window->name;
}

TEST(Layout, ControlsShowTheirTextsWithTheirOwnPunctuation)
{
    // The frames' captions end in an ASCII colon, the labels' in a
    // full-width one; the outer frames and the fields start without text.
    const std::pair<const Window*, std::vector<std::pair<const char*, const char*>>> texts[] = {
        {&form1,
         {{"Frame1", ""},
          {"Frame2", ""},
          {"Frame3", "请选择要分割的文件:"},
          {"Frame4", "分割配置信息:"},
          {"Label3", "将要被分割文件名："},
          {"Lab1", ""},
          {"Label5", "分割后文件的大小："},
          {"Text1", ""},
          {"Label6", "单位：bytes/字节"},
          {"Label7", "分割后文件保存在："},
          {"Text2", ""},
          {"Command3", "开始分割"},
          {"Command1", "关闭"},
          {"command2", "关于"}}},
        {&form2,
         {{"Label1", "Tarvolin v1.0版"},
          {"Label2", "作者：qb@example.org"},
          {"Label3", "请免费使用，请互相传播"}}},
    };
    for (const auto& [window, controls] : texts) {
        for (const auto& [name, text] : controls)
            EXPECT_EQ(window->control(name).text, text) << window->name << "." << name;
    }
    EXPECT_EQ(form1.find("Form9"), nullptr);
    EXPECT_THROW(form1.control("Form9"), std::out_of_range);
    EXPECT_EQ(&form1.control("Lab1"), form1.find("Lab1"));
}

TEST(Layout, EveryControlLiesInsideItsContainer)
{
    for (const Window* window : {&form1, &form2}) {
        for (const Control& c : window->controls) {
            const Rect container = c.container == window->name
                                       ? Rect{0, 0, window->client.width, window->client.height}
                                       : window->control(c.container).twips;
            // The outer frame of the main window starts above the client
            // area, so that its top edge is hidden.
            const int top = window == &form1 && c.name == "Frame1" ? -60 : 0;
            EXPECT_GE(c.twips.left, 0) << c.name;
            EXPECT_GE(c.twips.top, top) << c.name;
            EXPECT_LE(c.twips.left + c.twips.width, container.width) << c.name;
            EXPECT_LE(c.twips.top + c.twips.height, container.height) << c.name;
            EXPECT_GT(c.twips.width, 0) << c.name;
            EXPECT_GT(c.twips.height, 0) << c.name;
        }
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

TEST(Layout, ScreenReadersNameAControlByItsSpokenNameItsLabelOrItsText)
{
    EXPECT_EQ(form1.accessibleName(form1.control("Drive1")), "驱动器");
    EXPECT_EQ(form1.accessibleName(form1.control("Text1")), "分割后文件的大小：");
    EXPECT_EQ(form1.accessibleName(form1.control("Command3")), "开始分割");
}

TEST(Layout, FocusOrderFollowsTheTabIndex)
{
    for (const Window* window : {&form1, &form2}) {
        // Every control that takes the focus is in the order, once, by
        // rising tab index; the rest hold tab indexes of their own or none.
        std::vector<int> indexes;
        size_t focusable = 0;
        for (const Control& c : window->controls) {
            if (c.tabIndex != noTabIndex)
                indexes.push_back(c.tabIndex);
            focusable += takesFocus(c.kind) ? 1 : 0;
        }
        std::sort(indexes.begin(), indexes.end());
        EXPECT_EQ(std::adjacent_find(indexes.begin(), indexes.end()), indexes.end())
            << window->name << ": a tab index twice";
        const std::vector<const Control*> order = focusOrder(*window);
        EXPECT_EQ(order.size(), focusable) << window->name;
        for (size_t i = 1; i < order.size(); ++i)
            EXPECT_LT(order[i - 1]->tabIndex, order[i]->tabIndex) << order[i]->name;
    }

    std::vector<std::string_view> names;
    for (const Control* c : focusOrder(form1))
        names.push_back(c->name);
    EXPECT_EQ(names, (std::vector<std::string_view>{"Command3", "Drive1", "Dir1", "File1", "Text1",
                                                    "Text2", "Command1", "command2"}));
    EXPECT_TRUE(focusOrder(form2).empty()) << "no control of the About window takes the focus";
}

} // namespace
