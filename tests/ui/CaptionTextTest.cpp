#include "ui/CaptionText.h"

#include <gtest/gtest.h>

namespace {

TEST(CaptionTextTest, EveryAmpersandOfAPathShowsAsItIs)
{
    const struct
    {
        std::string text, caption;
    } cases[] = {
        {"正在处理:/a/b.bin 50.00%", "正在处理:/a/b.bin 50.00%"},
        {"/R&D/a&&b&.bin", "/R&&D/a&&&&b&&.bin"},
        {"&", "&&"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(tarvolin::CaptionText::escaped(c.text), c.caption);
        EXPECT_EQ(tarvolin::CaptionText::shown(c.caption), c.text);
    }
}

} // namespace
