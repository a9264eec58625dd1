#include "engine/ReassemblyScript.h"
#include "platform/Failure.h"
#include "platform/NarrowEncoder.h"
#include "tests/support/ScriptRunner.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

using tarvolin::Failure;
using tarvolin::NarrowEncoder;
using tarvolin::ReassemblyScript;
using testsupport::ScriptRunner;

namespace {

ReassemblyScript scriptFor(const std::string& target, int pieces)
{
    ReassemblyScript script;
    for (int i = 0; i < pieces; ++i) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%03d", i);
        script.addPiece(target + suffix);
    }
    script.setTarget(target);
    return script;
}

const NarrowEncoder gbk(936);

TEST(ReassemblyScript, ShortJoinIsTheOneClassicLine)
{
    const auto lines = scriptFor("movie.avi", 3).lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "COPY/B movie.avi.000/B+movie.avi.001/B+movie.avi.002/B movie.avi/B");
}

TEST(ReassemblyScript, NamesAreQuotedOnlyWhereTheInterpreterNeedsIt)
{
    struct Case
    {
        std::string bare, written;
    };
    for (const Case& c :
         std::vector<Case>{{"a.bin", "a.bin"},
                           {"my file.avi", "\"my file.avi\""},
                           {"50%.txt", "50%%.txt"},
                           {"a&b (1).zip", "\"a&b (1).zip\""},
                           {"x^y", "\"x^y\""},
                           {"a[1].bin", "\"a[1].bin\""},
                           {"100% off!", "\"100%% off!\""},
                           {"电影.avi", "电影.avi"},
                           {"a-b_c.d@e#f$", "a-b_c.d@e#f$"},
                           // Every Unicode blank; a zero-width space is none.
                           {"ＡＢＣ全角１２３\u3000空格.bin", "\"ＡＢＣ全角１２３\u3000空格.bin\""},
                           {"a\u00A0b", "\"a\u00A0b\""},
                           {"a\u1680b", "\"a\u1680b\""},
                           {"a\u2000b", "\"a\u2000b\""},
                           {"a\u2007b", "\"a\u2007b\""},
                           {"a\u200Ab", "\"a\u200Ab\""},
                           {"a\u2028b", "\"a\u2028b\""},
                           {"a\u2029b", "\"a\u2029b\""},
                           {"a\u202Fb", "\"a\u202Fb\""},
                           {"a\u205Fb", "\"a\u205Fb\""},
                           {"a\u200Bb", "a\u200Bb"},
                           // GBK bytes: the ideographic space is A1 A1, but
                           // not the end of 啊 (B0 A1) and the start of “ (A1 B0).
                           {"\xB5\xE7\xA1\xA1.bin", "\"\xB5\xE7\xA1\xA1.bin\""},
                           {"\xB0\xA1\xA1\xB0.bin", "\xB0\xA1\xA1\xB0.bin"}}) {
        EXPECT_EQ(ReassemblyScript::quotedName(c.bare), c.written) << c.bare;
    }
    ReassemblyScript script;
    script.addPiece("my file.avi.000");
    script.addPiece("my file.avi.001");
    script.setTarget("my file.avi");
    EXPECT_EQ(script.lines().at(0),
              "COPY/B \"my file.avi.000\"/B+\"my file.avi.001\"/B \"my file.avi\"/B");
}

// Characters as the interpreter counts them: UTF-16 units.
std::size_t utf16Length(const std::string& utf8)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t bytes = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        units += bytes == 4 ? 2 : 1;
        i += bytes;
    }
    return units;
}

std::string repeated(const std::string& unit, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += unit;
    return text;
}

TEST(ReassemblyScript, LongJoinIsCutIntoLinesThatAppend)
{
    // Piece names of 100 characters (96 and ".000"), in one, three and four
    // bytes a character (an emoji counts as two): at most 8191 a line.
    for (const std::string& target : {std::string(96, 'n'), repeated("影", 96), repeated("😀", 48)})
        for (int pieces : {2, 79, 80, 81, 500, 2000}) {
            const auto lines = scriptFor(target, pieces).lines();
            std::size_t listed = 0;
            for (std::size_t i = 0; i < lines.size(); ++i) {
                EXPECT_LE(utf16Length(lines[i]), ReassemblyScript::maxLineLength);
                const auto command = ScriptRunner::parseLine(lines[i]);
                EXPECT_EQ(command.target, target);
                if (i > 0) {
                    EXPECT_EQ(command.sources.front(), target) << "line " << i << " must append";
                    listed += command.sources.size() - 1;
                } else {
                    listed += command.sources.size();
                }
                // Every line but the last is as full as it can be.
                if (i + 1 < lines.size()) {
                    EXPECT_GT(utf16Length(lines[i]) + 100 + 3, ReassemblyScript::maxLineLength);
                }
            }
            EXPECT_EQ(listed, static_cast<std::size_t>(pieces));
        }
}

TEST(ReassemblyScript, LineOfExactlyTheLimitStaysOne)
{
    // "COPY/B " + p1 + "/B+" + p2 + "/B" + " " + t + "/B": 15 + |p1| + |p2| + |t|
    ReassemblyScript script;
    const std::string t(10, 't');
    script.addPiece(std::string(4000, 'a'));
    script.addPiece(std::string(8191 - 15 - 4000 - 10, 'b'));
    script.setTarget(t);
    const auto lines = script.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 8191u);

    ReassemblyScript longer;
    longer.addPiece(std::string(4000, 'a'));
    longer.addPiece(std::string(8191 - 15 - 4000 - 10 + 1, 'b'));
    longer.setTarget(t);
    EXPECT_EQ(longer.lines().size(), 2u);
}

TEST(ReassemblyScript, WritesNarrowTextWithCrLfAndReplacesAnOlderScript)
{
    testsupport::TempDir dir;
    const std::string path = dir / "视频.avi.BAT";
    testsupport::writeFile(path, std::string(500, 'x'));
    ReassemblyScript script;
    script.addPiece("视频.avi.000");
    script.addPiece("视频.avi.001");
    script.setTarget("视频.avi");
    ReassemblyScript::write(path, script.encoded(gbk));
    // 视 = CA D3, 频 = C6 B5 in GBK
    EXPECT_EQ(
        testsupport::readFile(path),
        "COPY/B \xCA\xD3\xC6\xB5.avi.000/B+\xCA\xD3\xC6\xB5.avi.001/B \xCA\xD3\xC6\xB5.avi/B\r\n");
}

TEST(ReassemblyScript, UnrepresentableNameFailsAndLeavesTheOlderScript)
{
    testsupport::TempDir dir;
    const std::string path = dir / "old.BAT";
    testsupport::writeFile(path, "old\r\n");
    ReassemblyScript script;
    script.addPiece("😀.000");
    script.addPiece("😀.001");
    script.setTarget("😀");
    try {
        script.encoded(gbk);
        FAIL() << "encoded an emoji into GBK";
    } catch (const Failure& failure) {
        // The notice quotes the file's name, not the whole line.
        EXPECT_NE(failure.description().find("“😀”"), std::string::npos) << failure.description();
        EXPECT_EQ(failure.description().find("COPY"), std::string::npos) << failure.description();
    }
    EXPECT_EQ(testsupport::readFile(path), "old\r\n");
}

TEST(ReassemblyScript, RefusesTargetsTheScriptCannotCarry)
{
    struct Case
    {
        std::string bare, named;
    };
    for (const Case& c : std::vector<Case>{{"", "重新选择"},
                                           {"a\r\ndel *.*", "回车符"},
                                           {"a\nb", "换行符"},
                                           {"a\tb", "制表符"},
                                           {"a\x1b", "控制字符"},
                                           {"a\x7F", "控制字符"},
                                           {"a\"b", "“\"”"},
                                           {"a<b", "“<”"},
                                           {"a>b", "“>”"},
                                           {"a|b", "“|”"},
                                           {"a*b", "“*”"},
                                           {"a?b", "“?”"},
                                           // Windows devices, whatever follows the first dot.
                                           {"nul", "设备名“nul”"},
                                           {"CON.bin", "设备名“CON”"},
                                           {"Aux .tar.gz", "设备名“Aux”"},
                                           {"prn. ", "设备名“prn”"},
                                           {"COM1.bin", "设备名“COM1”"},
                                           {"lpt9", "设备名“lpt9”"},
                                           {"com\u00B9.txt", "设备名“com\u00B9”"},
                                           {"LPT\u00B3", "设备名“LPT\u00B3”"},
                                           {"com\u00B2.bin", "设备名“com\u00B2”"},
                                           {"COM\u00B3", "设备名“COM\u00B3”"},
                                           {"lpt\u00B9.bin", "设备名“lpt\u00B9”"},
                                           {"Lpt\u00B2 .txt", "设备名“Lpt\u00B2”"},
                                           {"com0.txt", "设备名“com0”"},
                                           {"LPT0", "设备名“LPT0”"},
                                           {"CONOUT$", "设备名“CONOUT$”"},
                                           {"conin$.bin", "设备名“conin$”"}}) {
        try {
            ReassemblyScript::checkTarget(c.bare);
            ADD_FAILURE() << "accepted " << c.bare;
        } catch (const Failure& failure) {
            EXPECT_NE(failure.description().find(c.named), std::string::npos)
                << failure.description();
            EXPECT_EQ(failure.description().find_first_of("\r\n"), std::string::npos);
        }
    }
    for (const std::string bare :
         {"my file.avi", "a&b^c%d!e.bin", "电影 (1).avi", "+,=;'[]{}~`", "null.bin", "console",
          "COM10.bin", "conout", "CONIN$x", "lpt.bin", "a.nul"})
        EXPECT_NO_THROW(ReassemblyScript::checkTarget(bare)) << bare;
}

} // namespace
