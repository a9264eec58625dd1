// The choice of a file handed to the window, on real files. Runs on Linux
// and, cross-built, under Wine (where the separator is "\").

#include "ui/HandedFile.h"
#include "platform/PathName.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifdef _WIN32
#include "tests/support/LongTree.h"
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using tarvolin::HandedFile;
using testsupport::fromUtf8;
using testsupport::toUtf8;
using testsupport::writeFile;

constexpr char sep = tarvolin::PathName::separator;

bool startsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

TEST(HandedFile, NamesAreMadeFullFromTheCurrentFolder)
{
    struct Case
    {
        std::string name, current, full;
    };
    const std::vector<Case> cases{
#ifdef _WIN32
        {"a.bin", "C:\\x", "C:\\x\\a.bin"},
        {"..\\y\\.\\a.bin", "C:\\x\\z", "C:\\x\\y\\a.bin"},
        {"C:/x//y/", "D:\\", "C:\\x\\y"},
        {"C:\\..\\..", "D:\\", "C:\\"},
        {"\\y\\a.bin", "D:\\x", "D:\\y\\a.bin"},
        {"D:a.bin", "D:\\x", "D:\\x\\a.bin"},
        {"E:a.bin", "D:\\x", "E:\\a.bin"},
        {"\\\\?\\C:\\x\\a.bin", "D:\\", "C:\\x\\a.bin"},
        {"\\\\?\\UNC\\server\\share\\a.bin", "D:\\", "\\\\server\\share\\a.bin"},
        {"\\\\server\\share\\..\\a.bin", "D:\\", "\\\\server\\share\\a.bin"},
#else
        {"a.bin", "/x", "/x/a.bin"},
        {"../y/./a.bin", "/x/z", "/x/y/a.bin"},
        {"/x//y/", "/z", "/x/y"},
        {"/../..", "/z", "/"},
        {"", "/x", "/x"},
#endif
    };
    for (const Case& c : cases)
        EXPECT_EQ(HandedFile::fullPath(c.name, c.current), c.full) << c.name;
}

TEST(HandedFile, FirstNameIsChosenAsTheFileListShowsIt)
{
    testsupport::TempDir dir;
    const std::string work = toUtf8(dir.path());
    const std::string sub = work + sep + "子文件夹";
    std::filesystem::create_directories(fromUtf8(sub));
    writeFile(work + sep + "a.bin", "abc");
    writeFile(work + sep + "b.bin", "b");
    writeFile(sub + sep + "电影 片段.avi", "1234");
    const std::string missing = work + sep + "none.bin";
#ifdef _WIN32
    const std::string notThere = "无法打开文件“" + missing + "”：文件不存在";
#else
    const std::string notThere = "无法打开文件“" + missing + "”：文件或文件夹不存在";
#endif

    struct Case
    {
        std::vector<std::string> names;
        std::string folder, fileName, notice; // notice: how it starts
    };
    std::vector<Case> cases{
        {{}, "", "", ""},
        {{work + sep + "a.bin"}, work, "a.bin", ""},
        {{"a.bin"}, work, "a.bin", ""},
        {{"子文件夹" + std::string(1, sep) + ".." + sep + "a.bin"}, work, "a.bin", ""},
        {{sub + sep + "电影 片段.avi"}, sub, "电影 片段.avi", ""},
        {{"子文件夹"}, sub, "", ""},
        {{sub + sep}, sub, "", ""},
        {{missing}, "", "", notThere},
        {{"a.bin", "b.bin", sub},
         work,
         "a.bin",
         "一次只能分割一个文件，其余 2 个没有选择：“b.bin”、“" + sub + "”"},
        {{missing, "a.bin"}, "", "", notThere + "\n一次"},
        {{"a.bin", "1", "2", "3", "4", "5", "6"},
         work,
         "a.bin",
         "一次只能分割一个文件，其余 6 个没有选择：“1”、“2”、“3”、“4”、“5”等"},
    };
#ifdef _WIN32
    // The file's own case; a hidden file, which the list leaves out.
    cases.push_back({{"A.BIN"}, work, "a.bin", ""});
    writeFile(work + sep + "secret.bin", "s");
    SetFileAttributesW(fromUtf8(work + sep + "secret.bin").c_str(), FILE_ATTRIBUTE_HIDDEN);
    cases.push_back({{"secret.bin"}, "", "", "“" + work + sep + "secret.bin”是隐藏文件或系统文件"});
    // Deeper than the 260 characters of plain paths, handed plain and with
    // the prefix.
    const testsupport::LongTree tree{L"\\\\?\\" + dir.path().wstring() + L"\\long"};
    std::string deep = work + sep + "long";
    while (deep.size() < 300)
        deep += sep + std::string(40, 'd');
    std::filesystem::create_directories(fromUtf8("\\\\?\\" + deep));
    writeFile("\\\\?\\" + deep + sep + "深.bin", "deep");
    cases.push_back({{deep + sep + "深.bin"}, deep, "深.bin", ""});
    cases.push_back({{"\\\\?\\" + deep + sep + "深.bin"}, deep, "深.bin", ""});
#else
    // "你好.bin" from a Chinese archive, in GBK bytes.
    const std::string gbk = "\xC4\xE3\xBA\xC3.bin";
    writeFile(work + sep + gbk, "gbk");
    cases.push_back({{work + sep + gbk}, work, gbk, ""});
    writeFile(work + sep + ".hidden", "h");
    cases.push_back({{".hidden"}, "", "", "“" + work + "/.hidden”是隐藏文件"});
    const std::string pipe = work + sep + "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    cases.push_back({{pipe}, "", "", "“" + pipe + "”不是普通文件"});
    cases.push_back({{"/dev/null"}, "", "", "“/dev/null”不是普通文件"});
    if (::geteuid() != 0) { // root reads every file
        writeFile(work + sep + "locked.bin", "l");
        ::chmod((work + sep + "locked.bin").c_str(), 0);
        cases.push_back(
            {{"locked.bin"}, "", "", "无法打开文件“" + work + "/locked.bin”：没有访问权限"});
    }
#endif
    for (const Case& c : cases) {
        const std::string what = c.names.empty() ? "(none)" : c.names.front();
        const HandedFile handed(c.names, work);
        EXPECT_EQ(handed.folder(), c.folder) << what;
        EXPECT_EQ(handed.fileName(), c.fileName) << what;
        if (c.notice.empty())
            EXPECT_EQ(handed.notice(), "") << what;
        else
            EXPECT_TRUE(startsWith(handed.notice(), c.notice)) << what << ": " << handed.notice();
    }
}

} // namespace
