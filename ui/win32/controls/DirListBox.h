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
    const std::wstring& nativePath() const { return m_path; }

    // Opens folder, refills the list and raises changed before it returns.
    // folder is a path, or a drive as the drive list shows it ("c:" or
    // "c: [系统]"), which opens that drive's current folder. A folder that
    // cannot be opened (removed, a drive that is not ready) changes nothing,
    // raises no change and gives false.
    bool setNativePath(const std::wstring& folder);

    // Opens the selected entry, as a double click or Enter does; one that
    // cannot be opened changes nothing.
    void openSelected();

    // Sets the entries' height for the list's font and dots per inch.
    void fitItems();

    void drawItem(const DRAWITEMSTRUCT& item) const;

    // Raised whenever the path has been set.
    std::function<void()> changed;

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
