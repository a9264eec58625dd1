#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tarvolin {

// The folder list: the drive's root, each folder down to the open one, then
// the open folder's subfolders, each indented one step deeper than the
// folder that holds it, with open and closed folder glyphs. A double click
// or Enter opens the selected folder. The parent forwards WM_DRAWITEM.
class DirListBox
{
public:
    DirListBox(HWND parent, int id);

    HWND handle() const { return m_list; }

    // The open folder: "C:\" at a drive's root, "C:\data" below it.
    const std::wstring& path() const { return m_path; }

    // Opens folder and raises onChange before returning. folder is a path,
    // or a drive as the drive list shows it ("c:" or "c: [系统]"), which opens
    // that drive's current folder. Throws a Failure when the folder cannot
    // be opened (a drive that is not ready); the list then stays as it was.
    void setPath(const std::wstring& folder);

    // Opens the selected entry, as a double click or Enter does.
    void openSelected();

    // Sets the entries' height for the list's font and dots per inch.
    void fitItems();

    void drawItem(const DRAWITEMSTRUCT& item) const;

    // Raised whenever the path has been set.
    std::function<void()> onChange;

private:
    struct Entry
    {
        std::wstring path;
        std::wstring name;
        int depth;
        bool open;
    };

    HWND m_list;
    std::wstring m_path;
    std::vector<Entry> m_entries;
};

} // namespace tarvolin
