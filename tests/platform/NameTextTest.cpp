#include "platform/NameText.h"
#include "platform/Utf8.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

namespace NameText = tarvolin::NameText;
namespace Utf8 = tarvolin::Utf8;

// "电影 片段.avi" as a Chinese Windows machine writes it: GBK bytes.
const std::string gbkName = "\xB5\xE7\xD3\xB0 \xC6\xAC\xB6\xCE.avi";

struct NameCase
{
    std::string bytes;
    bool utf8;
    std::string shown;
};

TEST(NameText, ShowsUtf8AsItIsGbkDecodedAndTheRestReplaced)
{
    const NameCase cases[] = {
        {"", true, ""},
        {"my file.txt", true, "my file.txt"},
        {"电影 片段.avi", true, "电影 片段.avi"},
        {"emoji \xF0\x9F\x8E\xAC.mp4", true, "emoji \xF0\x9F\x8E\xAC.mp4"},
        {gbkName, false, "电影 片段.avi"},
        {"\xD6\xD0\xCE\xC4", false, "中文"},
        // A UTF-8 caption around a GBK path reads right on both sides.
        {"正在处理:/数据/" + gbkName + ".000 33.33%", false,
         "正在处理:/数据/电影 片段.avi.000 33.33%"},
        // Overlong and surrogate forms and cut sequences are not UTF-8; what
        // GB18030 or code page 936 reads is shown as such, the rest as U+FFFD.
        {"\xC0\xAF", false, "蜡"},
        {"\xE0\x80\xAF", false, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xE0\x9F\xBF", false, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xE7\x94", false, "鐢"},
        {"\xED\xA0\x80", false, "頎€"},
        {"a\xE7", false, "a\xEF\xBF\xBD"},
        {"caf\xE9.txt", false, "caf\xEF\xBF\xBD.txt"},
        // Code page 936's euro sign, which GB18030 lacks.
        {"a\x80.bin", false, "a€.bin"},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(Utf8::isWellFormed(c.bytes), c.utf8) << c.bytes;
#ifdef _WIN32
        // Windows names are UTF-16, always UTF-8 once converted: no decoding there.
        if (!c.utf8)
            continue;
#endif
        EXPECT_EQ(NameText::readable(c.bytes), c.shown) << c.bytes;
    }
}

TEST(NameText, QuotedNamesShowTheirControlCharacters)
{
    EXPECT_EQ(NameText::quoted("a\r\nb\x7F\x01.bin"), "“a␍␊b␡␁.bin”");
#ifndef _WIN32
    EXPECT_EQ(NameText::quoted("\xC4\xE3\xBA\xC3"), "“你好”"); // GBK bytes on Linux
#endif
}

} // namespace
