#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tarvolin {

// The drive list: a drop-down list of the drives as Windows shows them, the
// letter in lower case and the volume label in brackets ("c: [系统]"); a
// network drive shows its share instead ("z: [\\server\share]"), which the
// system knows without asking the server. The selection by mouse or
// keyboard reaches the parent as CBN_SELCHANGE.
class DriveListBox
{
public:
    DriveListBox(HWND parent, int id);

    HWND handle() const { return m_list; }

    // Fills the list with this machine's drives and chooses the one that
    // holds path; no change reaches the parent.
    void choose(const std::wstring& path);

    // Fills the list again (a drive came or went), keeping the chosen drive
    // while it exists.
    void updateDrives();

    // The root folder of the selected drive ("C:\"), as the Qt drive list
    // gives its own; empty while none is selected.
    std::wstring drive() const;

    // What the list asks the system of a drive, by its root ("C:\").
    struct Facts
    {
        std::function<UINT(const std::wstring& root)> type;     // GetDriveTypeW
        std::function<std::wstring(const std::wstring&)> label; // the volume's label
        std::function<std::wstring(const std::wstring&)> share; // a network drive's share
    };
    static Facts systemFacts();

    // The list text of the drive whose root is root ("C:\").
    static std::wstring driveText(const std::wstring& root, const Facts& facts = systemFacts());

private:
    HWND m_list;
};

} // namespace tarvolin
