#include "ui/win32/Form2.h"

#include "platform/windows/WideText.h"
#include "ui/win32/services/DpiFunctions.h"

#include <olectl.h>
#include <shlwapi.h>

namespace tarvolin {

namespace {

// The emblem, a GIF stored among the program's resources, as a picture.
IPicture* loadEmblem()
{
    const HRSRC found = FindResourceW(nullptr, L"EMBLEM", RT_RCDATA);
    if (found == nullptr)
        return nullptr;
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    const UINT size = SizeofResource(nullptr, found);
    IStream* stream = SHCreateMemStream(bytes, size);
    if (stream == nullptr)
        return nullptr;
    // The picture is read from the stream's position.
    const LARGE_INTEGER start = {};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    IPicture* picture = nullptr;
    if (FAILED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&picture))))
        picture = nullptr;
    stream->Release();
    return picture;
}

} // namespace

void Form2::Release::operator()(IPicture* picture) const
{
    picture->Release();
}

Form2::Form2() : m_emblem(loadEmblem())
{
    const layout::Window& table = layout::form2;
    create(L"TarvolinForm2", wideText(std::string(table.caption)).c_str(),
           ControlSet::windowStyle(table.border), 0);
    m_controls = std::make_unique<ControlSet>(handle(), table);
    m_controls->layOut(DpiFunctions::forWindow(handle()));
    m_controls->placeWindow();
}

Form2::~Form2()
{
    if (handle() != nullptr)
        DestroyWindow(handle());
}

LRESULT Form2::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Messages sent while the controls are being made are the system's.
    if (!m_controls)
        return defaultHandling(message, wParam, lParam);
    switch (message) {
    case WM_DRAWITEM:
        onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DPICHANGED:
        m_controls->followDisplayChange(message, wParam, lParam);
        return 0;
    case WM_SETTINGCHANGE:
        m_controls->followDisplayChange(message, wParam, lParam);
        break;
    case WM_COMMAND:
        // Enter and Escape reach here from the dialog keys: they do nothing.
        return 0;
    case WM_NCDESTROY:
        m_controls.reset();
        break;
    }
    return defaultHandling(message, wParam, lParam);
}

void Form2::onDrawItem(const DRAWITEMSTRUCT& item)
{
    // The emblem at its own size; its transparent pixels show the window.
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (!m_emblem)
        return;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    m_emblem->get_Width(&width);
    m_emblem->get_Height(&height);
    const int dpi = m_controls->dpi();
    m_emblem->Render(
        item.hDC, item.rcItem.left, item.rcItem.top, ControlSet::scaled(layout::emblemWidth, dpi),
        ControlSet::scaled(layout::emblemHeight, dpi), 0, height, width, -height, nullptr);
}

} // namespace tarvolin
