#include "ui/win32/controls/FileList.h"

#include "platform/FolderModel.h"
#include "platform/windows/WideText.h"

namespace tarvolin {

FileList::FileList(HWND parent, int id)
    : m_list(CreateWindowExW(
          WS_EX_CLIENTEDGE, L"LISTBOX", L"",
          WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
          0, 0, parent, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr))
{
}

void FileList::setPath(const std::wstring& folder)
{
    m_path = folder;
    SendMessageW(m_list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(m_list, LB_RESETCONTENT, 0, 0);
    for (const FolderModel::Entry& entry : FolderModel::files(utf8Text(folder)))
        SendMessageW(m_list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(wideText(entry.readable).c_str()));
    SendMessageW(m_list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_list, nullptr, TRUE);
}

int FileList::entryCount() const
{
    return static_cast<int>(SendMessageW(m_list, LB_GETCOUNT, 0, 0));
}

std::wstring FileList::fileName() const
{
    const LRESULT index = SendMessageW(m_list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR)
        return {};
    std::wstring name(static_cast<size_t>(SendMessageW(m_list, LB_GETTEXTLEN, index, 0)), L'\0');
    SendMessageW(m_list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(name.data()));
    return name;
}

} // namespace tarvolin
