#include "ui/FontFit.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

namespace FontFit = tarvolin::FontFit;
namespace layout = tarvolin::layout;

// A frame whose controls start 240 twips (16 pixels) below its top edge, a
// label 1695 twips (113 pixels) wide, a button 375 twips (25 pixels) high,
// and an empty frame.
constexpr layout::Control controls[] = {
    {"Frame1", layout::Kind::Frame, "Form", "框", {0, 0, 3000, 2000}, 0},
    {"Label1", layout::Kind::Label, "Frame1", "标签", {120, 240, 1695, 255}, 1},
    {"Command1", layout::Kind::CommandButton, "Frame1", "按钮", {120, 600, 1815, 375}, 2},
    {"Frame2", layout::Kind::Frame, "Form", "空", {0, 2000, 3000, 500}, 3},
};
constexpr layout::Window window{
    "Form", "Form", {0, 0, 3000, 2500}, {false, true, false, false, true}, controls};

struct Case
{
    const char* what;
    std::map<std::string, FontFit::Need> needs; // by control; none for the rest
    int dpi;
};

TEST(FontFitTest, TheLeastDpiAtWhichEveryTextHasRoom)
{
    const Case cases[] = {
        {"everything fits at 96", {{"Label1", {113, 17}}, {"Command1", {100, 25}}}, 96},
        {"a caption wider than its label", {{"Label1", {170, 17}}}, 145},
        {"a button's text taller than the button", {{"Command1", {0, 30}}}, 116},
        {"a frame's caption taller than the strip above its controls",
         {{"Frame1", {0, 0, 24}}},
         144},
        {"a frame that holds nothing has no strip", {{"Frame2", {0, 0, 40}}}, 96},
        {"the neediest control sets the scale",
         {{"Label1", {170, 17}}, {"Command1", {0, 50}}, {"Frame1", {0, 0, 24}}},
         192},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int dpi = FontFit::fittingDpi(window, [&c](const layout::Control& control) {
            const auto need = c.needs.find(std::string(control.name));
            return need == c.needs.end() ? FontFit::Need{} : need->second;
        });
        EXPECT_EQ(dpi, c.dpi);
    }
}

TEST(FontFitTest, EachKindNeedsItsTextInItsBorder)
{
    using layout::Kind;
    // Text 50 wide, lines 16 high, a border of 4, a field of 20, a caption of 66.
    const FontFit::Measures m{50, 16, 4, 20, 66};
    struct Case
    {
        Kind kind;
        bool hasText;
        int width, height, captionHeight;
    };
    for (const Case& c :
         {Case{Kind::Label, true, 51, 16, 0}, Case{Kind::Label, false, 0, 16, 0},
          Case{Kind::CommandButton, true, 58, 20, 0}, Case{Kind::TextBox, false, 0, 24, 0},
          Case{Kind::DriveList, false, 0, 24, 0}, Case{Kind::Frame, true, 66, 0, 16},
          Case{Kind::Frame, false, 0, 0, 0}, Case{Kind::FileList, true, 0, 0, 0}}) {
        const FontFit::Need need = FontFit::needed(c.kind, c.hasText, m);
        EXPECT_EQ(need.width, c.width) << static_cast<int>(c.kind);
        EXPECT_EQ(need.height, c.height) << static_cast<int>(c.kind);
        EXPECT_EQ(need.captionHeight, c.captionHeight) << static_cast<int>(c.kind);
    }
}

} // namespace
