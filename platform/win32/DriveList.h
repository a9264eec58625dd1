#pragma once

#include <windows.h>

#include <string>

namespace tarvolin {

// The drive list: a drop-down list of the drives as Windows shows them, the
// letter in lower case and the volume label in brackets ("c: [系统]"). The
// selection by mouse or keyboard reaches the parent as CBN_SELCHANGE.
class DriveList
{
public:
    DriveList(HWND parent, int id);

    HWND handle() const { return m_list; }

    // Fills the list with this machine's drives and selects the one that
    // holds path.
    void fill(const std::wstring& path);

    // The selected drive as the list shows it; empty while none is selected.
    std::wstring drive() const;

    // The list text of the drive whose root is root ("C:\").
    static std::wstring driveText(const std::wstring& root);

private:
    HWND m_list;
};

} // namespace tarvolin
