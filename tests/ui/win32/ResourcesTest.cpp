// The program file's resources: version information in Chinese (Simplified,
// PRC), the manifest, the icon and the emblem.

#include "Version.h"
#include "tests/support/win32/Win32Windows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<BYTE> versionInfo()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::vector<BYTE> data(GetFileVersionInfoSizeW(path, nullptr));
    GetFileVersionInfoW(path, 0, static_cast<DWORD>(data.size()), data.data());
    return data;
}

std::string value(std::vector<BYTE>& data, const std::wstring& block, const wchar_t* name)
{
    wchar_t* text = nullptr;
    UINT size = 0;
    const std::wstring key = L"\\StringFileInfo\\" + block + L"\\" + name;
    if (!VerQueryValueW(data.data(), key.c_str(), reinterpret_cast<void**>(&text), &size))
        return "(none)";
    return tarvolin::utf8Text(text);
}

TEST(ResourcesTest, VersionInformationIsChineseSimplified)
{
    std::vector<BYTE> data = versionInfo();
    ASSERT_FALSE(data.empty());
    WORD* translations = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translations), &size));
    ASSERT_EQ(size, 8u);
    EXPECT_EQ(std::vector<WORD>(translations, translations + 4),
              (std::vector<WORD>{0x0804, 1200, 0x0804, 936}));
    for (const wchar_t* block : {L"080404b0", L"080403a8"}) {
        EXPECT_EQ(value(data, block, L"ProductName"), "Tarvolin");
        EXPECT_EQ(value(data, block, L"FileVersion"), TARVOLIN_VERSION);
        EXPECT_EQ(value(data, block, L"ProductVersion"), TARVOLIN_VERSION);
    }
    // The numbers that Explorer shows as the file's version: 1.0.0.0 for 1.00.
    VS_FIXEDFILEINFO* numbers = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&numbers), &size));
    EXPECT_EQ(numbers->dwFileVersionMS,
              static_cast<DWORD>(MAKELONG(TARVOLIN_VERSION_MINOR, TARVOLIN_VERSION_MAJOR)));
    EXPECT_EQ(numbers->dwFileVersionLS, 0u);
    EXPECT_EQ(numbers->dwProductVersionMS, numbers->dwFileVersionMS);
}

TEST(ResourcesTest, ManifestIconAndEmblem)
{
    const HRSRC manifest = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(nullptr, manifest))),
                           SizeofResource(nullptr, manifest));
    EXPECT_NE(text.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);

    const HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"IDI_ICON1");
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 32);
    EXPECT_EQ(bitmap.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    const HRSRC emblem = FindResourceW(nullptr, L"EMBLEM", RT_RCDATA);
    ASSERT_NE(emblem, nullptr);
    EXPECT_EQ(SizeofResource(nullptr, emblem), 1691u);
}

} // namespace
