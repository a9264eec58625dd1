#include "ui/PathShortening.h"

#include <gtest/gtest.h>

namespace {

// A measure in which every ASCII character but "W" is one unit wide, "W"
// four and every other character (Chinese, "…") two.
int width(std::string_view utf8)
{
    int units = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80)
            units += byte == 'W' ? 4 : 1;
        else if ((byte & 0xC0) == 0xC0)
            units += 2;
    }
    return units;
}

struct Case
{
    const char* what;
    std::string text;
    int width;
    std::string shown;
};

TEST(PathShorteningTest, KeepsTheStartAndTheNameWholeAndFitsTheWidth)
{
    const tarvolin::PathShortening rule(width);
    const Case cases[] = {
        {"fits", "/home/user/docs/movie.avi", 25, "/home/user/docs/movie.avi"},
        {"folders give way", "/home/user/docs/movie.avi", 20, "/ho…cs/movie.avi"},
        {"Windows path, Chinese names", "D:\\下载\\电影.avi", 14, "D…\\电影.avi"},
        {"progress caption keeps the percentage", "正在处理:/a/bb/cc/dd/x.avi.003 45.00%", 30,
         "正在处…dd/x.avi.003 45.00%"},
        {"name too long: the middle of the whole text", "/a/xxxxxxxxxxxxxxxxxxxx 99%", 12,
         "/a/x… 99%"},
        {"no folder left but \"…\": the middle of the whole text", "/abcdef/x.bin", 10, "/ab…bin"},
        {"no separator", "nnnnnnnnnn", 6, "n…n"},
        {"a middle wider than \"…\": half of the rest at each end", "aWb", 5, "a…b"},
        {"not even \"…\" fits", "abc", 1, ""},
        {"empty", "", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string shown = rule.shortened(c.text, c.width);
        EXPECT_EQ(shown, c.shown);
        EXPECT_LE(width(shown), c.width);
    }
}

} // namespace
