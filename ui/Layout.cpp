#include "ui/Layout.h"

#include "Version.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tarvolin::layout {

namespace {

// The About window's Label1 and the main window's caption show the version's
// two numbers: "v1.0" and "V1.0" for 1.00.
constexpr std::string_view aboutText = "Tarvolin v" TARVOLIN_VERSION_CAPTION "版";
constexpr std::string_view mainCaption = "Tarvolin——Quenby作品   V" TARVOLIN_VERSION_CAPTION;

// The main window. Containers come before what they hold.
constexpr Control form1Controls[] = {
    // name, kind, container, text, {left, top, width, height}, tab index, and
    // what a screen reader names it by: the label beside it, or a spoken name
    {"Frame1", Kind::Frame, "Form1", "", {0, -60, 7095, 4875}, 0},
    {"Frame3", Kind::Frame, "Frame1", "请选择要分割的文件:", {120, 130, 6855, 3120}, 3},
    {"Drive1", Kind::DriveList, "Frame3", "", {120, 240, 3135, 300}, 4, "", "驱动器"},
    {"Dir1", Kind::FolderList, "Frame3", "", {120, 600, 3135, 2400}, 5, "", "文件夹"},
    {"File1", Kind::FileList, "Frame3", "", {3360, 240, 3375, 2790}, 6, "", "文件"},
    {"Frame4", Kind::Frame, "Frame1", "分割配置信息:", {120, 3360, 6855, 1335}, 7},
    {"Label3", Kind::Label, "Frame4", "将要被分割文件名：", {120, 240, 1695, 255}, 8},
    {"Lab1", Kind::Label, "Frame4", "", {1680, 240, 5055, 255}, 9, "Label3"},
    {"Label5", Kind::Label, "Frame4", "分割后文件的大小：", {120, 600, 1695, 255}, 10},
    {"Text1", Kind::TextBox, "Frame4", "", {1680, 600, 2535, 270}, 11, "Label5"},
    {"Label6", Kind::Label, "Frame4", "单位：bytes/字节", {4320, 600, 1455, 255}, 12},
    {"Label7", Kind::Label, "Frame4", "分割后文件保存在：", {120, 960, 1695, 255}, 13},
    {"Text2", Kind::TextBox, "Frame4", "", {1680, 960, 5055, 290}, 14, "Label7"},
    {"Frame2", Kind::Frame, "Form1", "", {0, 4800, 7095, 735}, 1},
    {"Command3", Kind::CommandButton, "Frame2", "开始分割", {120, 240, 1935, 375}, 2},
    {"Command1", Kind::CommandButton, "Frame2", "关闭", {2640, 240, 1815, 375}, 15},
    {"command2", Kind::CommandButton, "Frame2", "关于", {5040, 240, 1815, 375}, 16},
};

// The About window; every control lies on the window itself.
constexpr Control form2Controls[] = {
    {"Image1", Kind::Image, "Form2", "", {120, 480, 510, 495}, noTabIndex},
    {"Label1", Kind::Label, "Form2", aboutText, {840, 360, 2175, 255}, 0},
    {"Label2", Kind::Label, "Form2", "作者：qb@example.org", {840, 720, 2175, 255}, 1},
    {"Label3", Kind::Label, "Form2", "请免费使用，请互相传播", {840, 1080, 2055, 255}, 2},
};

} // namespace

constinit const Window form1{
    "Form1",
    mainCaption,
    {2370, 1635, 7095, 5565},
    {.sizable = true,
     .systemMenu = true,
     .minimizeBox = true,
     .maximizeBox = false,
     .closeBox = true},
    form1Controls,
};

constinit const Window form2{
    "Form2",
    "关于",
    {4035, 3240, 3450, 1785},
    {.sizable = false,
     .systemMenu = true,
     .minimizeBox = false,
     .maximizeBox = false,
     .closeBox = true},
    form2Controls,
};

const Control* Window::find(std::string_view controlName) const
{
    for (const Control& c : controls) {
        if (c.name == controlName)
            return &c;
    }
    return nullptr;
}

const Control& Window::control(std::string_view controlName) const
{
    const Control* found = find(controlName);
    if (found == nullptr)
        throw std::out_of_range(std::string(name) + " has no control " + std::string(controlName));
    return *found;
}

std::string_view Window::accessibleName(const Control& c) const
{
    if (!c.spokenName.empty())
        return c.spokenName;
    if (!c.labelledBy.empty())
        return control(c.labelledBy).text;
    return c.text;
}

Rect Window::twipsInClient(const Control& c) const
{
    Rect place = c.twips;
    for (const Control* container = find(c.container); container != nullptr;
         container = find(container->container)) {
        place.left += container->twips.left;
        place.top += container->twips.top;
    }
    return place;
}

Rect Window::pixelsInClient(const Control& c, int dpi) const
{
    Rect place = c.pixels(dpi);
    for (const Control* container = find(c.container); container != nullptr;
         container = find(container->container)) {
        place.left += twipsToPixels(container->twips.left, dpi);
        place.top += twipsToPixels(container->twips.top, dpi);
    }
    return place;
}

std::vector<const Control*> tabOrder(const Window& window)
{
    std::vector<const Control*> order;
    for (const Control& c : window.controls)
        order.push_back(&c);
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    return order;
}

std::vector<const Control*> focusOrder(const Window& window)
{
    std::vector<const Control*> order = tabOrder(window);
    std::erase_if(order, [](const Control* c) { return !takesFocus(c->kind); });
    return order;
}

} // namespace tarvolin::layout
