#include "ui/win32/ChineseFont.h"

#include "ui/win32/services/DpiFunctions.h"

#include <cwchar>

namespace tarvolin {

namespace {

// Whether the font named face draws the window's own Han characters itself,
// without the system's font linking.
bool hasHanGlyphs(const std::wstring& face)
{
    LOGFONTW description{};
    description.lfHeight = -12;
    description.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(description.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    const HFONT font = CreateFontIndirectW(&description);
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    const wchar_t han[] = L"分割文件关闭";
    WORD glyphs[std::size(han) - 1] = {};
    const DWORD found = GetGlyphIndicesW(dc, han, static_cast<int>(std::size(glyphs)), glyphs,
                                         GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    if (found == GDI_ERROR)
        return false;
    for (const WORD glyph : glyphs)
        if (glyph == 0xFFFF)
            return false;
    return true;
}

int CALLBACK foundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool isInstalled(const std::wstring& face)
{
    LOGFONTW description{};
    description.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(description.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    bool found = false;
    const HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &description, foundFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

} // namespace

LOGFONTW ChineseFont::forDpi(int dpi)
{
    LOGFONTW font = DpiFunctions::nonClientMetrics(dpi).lfMessageFont;
    const std::wstring chosen = face(font.lfFaceName, hasHanGlyphs, isInstalled);
    if (chosen != font.lfFaceName) {
        wcsncpy(font.lfFaceName, chosen.c_str(), LF_FACESIZE - 1);
        font.lfFaceName[LF_FACESIZE - 1] = L'\0';
        font.lfCharSet = DEFAULT_CHARSET;
    }
    return font;
}

std::wstring ChineseFont::face(const std::wstring& messageFace,
                               const std::function<bool(const std::wstring&)>& hasHan,
                               const std::function<bool(const std::wstring&)>& installed)
{
    if (hasHan(messageFace))
        return messageFace;
    for (const wchar_t* yaHei : {L"Microsoft YaHei UI", L"Microsoft YaHei"})
        if (installed(yaHei))
            return yaHei;
    return messageFace;
}

} // namespace tarvolin
