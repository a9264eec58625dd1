#include "ui/win32/controls/DriveListBox.h"

#include "platform/windows/LongPath.h"

#include <winnetwk.h>

#include <cwctype>
#include <vector>

namespace tarvolin {

DriveListBox::DriveListBox(HWND parent, int id)
    : m_list(CreateWindowExW(0, L"COMBOBOX", L"",
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
                             0, 0, 0, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                             GetModuleHandleW(nullptr), nullptr))
{
}

void DriveListBox::choose(const std::wstring& path)
{
    SendMessageW(m_list, CB_RESETCONTENT, 0, 0);
    std::vector<wchar_t> roots(GetLogicalDriveStringsW(0, nullptr) + 1, L'\0');
    GetLogicalDriveStringsW(static_cast<DWORD>(roots.size()), roots.data());
    int selected = -1;
    for (const wchar_t* root = roots.data(); *root != L'\0'; root += wcslen(root) + 1) {
        const int index = static_cast<int>(SendMessageW(
            m_list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(driveText(root).c_str())));
        if (path.size() >= 2 && path[1] == L':' && std::towlower(path[0]) == std::towlower(root[0]))
            selected = index;
    }
    SendMessageW(m_list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void DriveListBox::updateDrives()
{
    choose(drive());
}

std::wstring DriveListBox::drive() const
{
    const LRESULT index = SendMessageW(m_list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR || SendMessageW(m_list, CB_GETLBTEXTLEN, index, 0) < 2)
        return {};
    std::wstring text(static_cast<size_t>(SendMessageW(m_list, CB_GETLBTEXTLEN, index, 0)), L'\0');
    SendMessageW(m_list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    // Every entry starts with its drive's letter and colon (driveText).
    return {static_cast<wchar_t>(std::towupper(text[0])), L':', L'\\'};
}

DriveListBox::Facts DriveListBox::systemFacts()
{
    return {
        [](const std::wstring& root) { return GetDriveTypeW(root.c_str()); },
        [](const std::wstring& root) {
            // A drive without a medium has no label; the error box of old
            // systems stays away through the process's error mode.
            wchar_t label[MAX_PATH + 1] = {};
            if (!GetVolumeInformationW(LongPath::of(root).c_str(), label, MAX_PATH + 1, nullptr,
                                       nullptr, nullptr, nullptr, 0))
                return std::wstring();
            return std::wstring(label);
        },
        [](const std::wstring& root) {
            // The redirector's own record: no server is asked, and a
            // remembered connection that is down still tells its share.
            const std::wstring local = root.substr(0, 2);
            wchar_t share[MAX_PATH + 1] = {};
            DWORD size = MAX_PATH + 1;
            const DWORD result = WNetGetConnectionW(local.c_str(), share, &size);
            if (result != NO_ERROR && result != ERROR_CONNECTION_UNAVAIL)
                return std::wstring();
            return std::wstring(share);
        },
    };
}

std::wstring DriveListBox::driveText(const std::wstring& root, const Facts& facts)
{
    std::wstring text = {static_cast<wchar_t>(std::towlower(root[0])), L':'};
    const std::wstring name =
        facts.type(root) == DRIVE_REMOTE ? facts.share(root) : facts.label(root);
    if (!name.empty())
        text += L" [" + name + L"]";
    return text;
}

} // namespace tarvolin
