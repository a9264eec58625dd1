// Paths for the Windows file calls: completed, resolved and prefixed, with
// every name kept exactly as listed. Runs under Wine.

#include "platform/windows/LongPath.h"
#include "platform/FileServices.h"
#include "tests/support/LongTree.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

namespace LongPath = tarvolin::LongPath;

std::wstring currentFolder()
{
    std::wstring here(GetCurrentDirectoryW(0, nullptr), L'\0');
    here.resize(GetCurrentDirectoryW(static_cast<DWORD>(here.size()), here.data()));
    return here;
}

TEST(LongPathTest, CompletesResolvesAndPrefixes)
{
    const std::wstring here = currentFolder();
    const std::wstring drive = here.substr(0, 2);
    const size_t last = here.rfind(L'\\');
    const std::wstring parent = last <= 2 ? here.substr(0, 3) : here.substr(0, last + 1);
    struct Case
    {
        std::wstring path, expected;
    };
    for (const Case& c : {
             Case{L"C:\\", L"\\\\?\\C:\\"},
             Case{L"d:\\data\\a.bin", L"\\\\?\\d:\\data\\a.bin"},
             Case{L"C:/data//sub/", L"\\\\?\\C:\\data\\sub"},
             Case{L"C:\\data\\..\\..\\x\\.\\y", L"\\\\?\\C:\\x\\y"},
             Case{L"C:\\data\\name. \\end.", L"\\\\?\\C:\\data\\name. \\end."},
             Case{L"C:\\data\\blank ", L"\\\\?\\C:\\data\\blank "},
             Case{L"C:\\data\\...", L"\\\\?\\C:\\data\\..."},
             Case{L"\\\\server\\share\\a b\\c", L"\\\\?\\UNC\\server\\share\\a b\\c"},
             Case{L"\\\\server\\share\\..\\x", L"\\\\?\\UNC\\server\\share\\x"},
             Case{L"\\\\?\\C:\\kept. \\..", L"\\\\?\\C:\\kept. \\.."},
             Case{L"\\\\?\\UNC\\server\\share", L"\\\\?\\UNC\\server\\share"},
             Case{L"sub\\f ", L"\\\\?\\" + here + L"\\sub\\f "},
             Case{L"..\\f", L"\\\\?\\" + parent + L"f"},
             Case{L"\\rooted", L"\\\\?\\" + drive + L"\\rooted"},
             Case{drive + L"rel", L"\\\\?\\" + here + L"\\rel"},
         }) {
        EXPECT_EQ(LongPath::of(c.path), c.expected) << testsupport::toUtf8(c.path);
    }
    EXPECT_EQ(LongPath::full(L"C:\\data\\..\\x. "), L"C:\\x. ");
    EXPECT_EQ(LongPath::of(L""), L""); // no path: no file, not the current folder
    EXPECT_EQ(LongPath::of(std::string("C:\\视频\\a")), L"\\\\?\\C:\\视频\\a");
}

TEST(LongPathTest, NameEndingInABlankOrADotIsThatVeryFile)
{
    testsupport::TempDir dir;
    const testsupport::LongTree made{L"\\\\?\\" + dir.path().wstring()};
    const std::wstring folder = made.folder + L"\\";
    // Made as WSL or an archive makes them; the plain names are different files.
    testsupport::writeFile(testsupport::toUtf8(folder + L"name "), std::string(5, 'a'));
    testsupport::writeFile(testsupport::toUtf8(folder + L"name."), std::string(7, 'b'));
    testsupport::writeFile(dir / "name", std::string(3, 'c'));
    EXPECT_EQ(tarvolin::FileServices::fullLength(dir / "name "), 5);
    EXPECT_EQ(tarvolin::FileServices::fullLength(dir / "name."), 7);
    EXPECT_EQ(tarvolin::FileServices::fullLength(dir / "name"), 3);
}

} // namespace
