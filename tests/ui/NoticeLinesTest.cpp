#include "ui/NoticeLines.h"

#include <gtest/gtest.h>

namespace {

// A measure in which every character is one unit wide and a Chinese one two.
int width(std::string_view utf8)
{
    int units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        units += byte < 0x80 ? 1 : byte >= 0xE0 ? 2 : 0;
    }
    return units;
}

TEST(NoticeLinesTest, BreaksALongPathAfterItsSeparatorsToFitTheWidth)
{
    const tarvolin::NoticeLines rule(width);
    const struct
    {
        const char* what;
        std::string text;
        int width;
        std::string shown;
    } cases[] = {
        {"fits", "无法打开“/a/b.bin”", 20, "无法打开“/a/b.bin”"},
        {"after separators, as many folders as fit", "无法打开“/home/user/dd/movie.avi”", 16,
         "无法打开“/home/\r\nuser/dd/\r\nmovie.avi”"},
        {"Windows folders and a space", "D:\\下载\\新 电影\\x.bin 不存在", 10,
         "D:\\下载\\\r\n新 电影\\\r\nx.bin \r\n不存在"},
        {"a name wider than the room: between characters", "/a/文件名字很长.bin", 7,
         "/a/文件\r\n名字很\r\n长.bin"},
        {"the text's own breaks stay", "成功！\r\n/aa/bb/cc\n/d", 6, "成功！\r\n/aa/\r\nbb/cc\n/d"},
        {"empty", "", 1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(rule.wrapped(c.text, c.width), c.shown);
    }
}

TEST(NoticeLinesTest, TakesHalfTheScreen)
{
    EXPECT_EQ(tarvolin::NoticeLines::widthOn(1024), 512);
}

} // namespace
