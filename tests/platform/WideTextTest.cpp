#include "platform/windows/WideText.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char* what;
    std::string utf8;
    std::wstring wide;
};

TEST(WideTextTest, CarriesTextsAcrossBothWays)
{
    const Case cases[] = {
        {"empty", "", L""},
        {"plain", "D:\\data\\a.bin", L"D:\\data\\a.bin"},
        {"Chinese and full-width punctuation", "分割后文件：（字节）", L"分割后文件：（字节）"},
        // Outside the basic plane UTF-16 takes two units.
        {"surrogate pair", "\xF0\x9F\x98\x80", std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(tarvolin::wideText(c.utf8), c.wide);
        EXPECT_EQ(tarvolin::utf8Text(c.wide), c.utf8);
    }
}

} // namespace
