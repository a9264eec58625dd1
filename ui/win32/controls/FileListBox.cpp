#include "ui/win32/controls/FileListBox.h"

#include "platform/windows/WideText.h"
#include "ui/FileListRefresh.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace tarvolin {

FileListBox::FileListBox(HWND parent, int id)
    : m_list(CreateWindowExW(
          WS_EX_CLIENTEDGE, L"LISTBOX", L"",
          WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
          0, 0, parent, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr))
{
}

void FileListBox::setNativePath(const std::wstring& folder)
{
    m_path = folder;
    m_folder = utf8Text(folder);
    m_entries = read(FolderModel::changeTime(m_folder));
    fill();
}

std::vector<FolderModel::Entry> FileListBox::read(FolderFollowing::Stamp stamp)
{
    const FolderFollowing::Clock::time_point start = FolderFollowing::Clock::now();
    std::vector<FolderModel::Entry> entries = FolderModel::files(m_folder);
    m_following.listed(stamp, start, FolderFollowing::Clock::now());
    return entries;
}

void FileListBox::fill()
{
    SendMessageW(m_list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(m_list, LB_RESETCONTENT, 0, 0);
    for (const FolderModel::Entry& entry : m_entries)
        SendMessageW(m_list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(wideText(entry.readable).c_str()));
    SendMessageW(m_list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_list, nullptr, TRUE);
}

void FileListBox::refresh()
{
    refresh(FolderModel::changeTime(m_folder));
}

void FileListBox::refresh(FolderFollowing::Stamp stamp)
{
    // The list holds m_entries in their order.
    const LRESULT index = SendMessageW(m_list, LB_GETCURSEL, 0, 0);
    std::vector<FolderModel::Entry> entries = read(stamp);
    const std::optional<FileListRefresh::Refill> refill = FileListRefresh::refill(
        m_entries, entries,
        index >= 0 ? std::optional<size_t>(static_cast<size_t>(index)) : std::nullopt);
    if (!refill)
        return;
    const LRESULT top = SendMessageW(m_list, LB_GETTOPINDEX, 0, 0);
    m_entries = std::move(entries);
    fill();
    if (refill->selected)
        SendMessageW(m_list, LB_SETCURSEL, *refill->selected, 0);
    SendMessageW(m_list, LB_SETTOPINDEX, top, 0);
}

void FileListBox::follow()
{
    const FolderFollowing::Stamp stamp = FolderModel::changeTime(m_folder);
    if (m_following.due(stamp, FolderFollowing::Clock::now()))
        refresh(stamp);
}

int FileListBox::entryCount() const
{
    return static_cast<int>(SendMessageW(m_list, LB_GETCOUNT, 0, 0));
}

bool FileListBox::selectNative(const std::wstring& name)
{
    const std::string native = utf8Text(name);
    const auto found =
        std::find_if(m_entries.begin(), m_entries.end(),
                     [&](const FolderModel::Entry& e) { return e.native == native; });
    if (found == m_entries.end())
        return false;
    SendMessageW(m_list, LB_SETCURSEL, found - m_entries.begin(), 0);
    return true;
}

std::wstring FileListBox::nativeFileName() const
{
    const LRESULT index = SendMessageW(m_list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR)
        return {};
    std::wstring name(static_cast<size_t>(SendMessageW(m_list, LB_GETTEXTLEN, index, 0)), L'\0');
    SendMessageW(m_list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(name.data()));
    return name;
}

} // namespace tarvolin
