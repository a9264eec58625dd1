#pragma once

#include <windows.h>

#include <string>

namespace tarvolin {

// The file list: the files of one folder, every name but hidden and system
// files, sorted, with single selection. Choosing an entry by mouse or by
// keyboard (arrows, Home, End, a letter) reaches the parent as LBN_SELCHANGE.
class FileList
{
public:
    FileList(HWND parent, int id);

    HWND handle() const { return m_list; }

    // Shows the files of folder, none selected. A folder that cannot be read
    // shows no files.
    void setPath(const std::wstring& folder);
    const std::wstring& path() const { return m_path; }

    int entryCount() const;

    // The bare name of the selected entry; empty while none is selected.
    std::wstring fileName() const;

private:
    HWND m_list;
    std::wstring m_path;
};

} // namespace tarvolin
