#pragma once

#include "platform/FolderModel.h"
#include "ui/FolderFollowing.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tarvolin {

// The file list: the files of one folder, every name but hidden and system
// files, sorted, with single selection. Choosing an entry by mouse or by
// keyboard (arrows, Home, End, a letter) reaches the parent as LBN_SELCHANGE.
// The list follows its folder on disk when its window calls follow every
// FolderFollowing::tick: files that appear or go show up a moment later,
// the selected entry stays selected and the list keeps its scroll position.
class FileListBox
{
public:
    FileListBox(HWND parent, int id);

    HWND handle() const { return m_list; }

    // Shows the files of folder, none selected. A folder that cannot be read
    // shows no files.
    void setNativePath(const std::wstring& folder);
    const std::wstring& nativePath() const { return m_path; }

    int entryCount() const;

    // The bare name of the selected entry; empty while none is selected.
    std::wstring nativeFileName() const;
    // Selects the entry named name and scrolls it into sight; no click
    // reaches the parent. False when there is no such entry.
    bool selectNative(const std::wstring& name);

    // Reads the folder again as FileListRefresh says: an unchanged list
    // stays as it is; otherwise the selected entry stays selected when it
    // is still there, and the list keeps its scroll position. No click
    // reaches the parent.
    void refresh();
    // Reads the folder again when FolderFollowing says it is due.
    void follow();

private:
    // Reads the folder's files, its last-write time being stamp (read just
    // before).
    std::vector<FolderModel::Entry> read(FolderFollowing::Stamp stamp);
    void fill();
    void refresh(FolderFollowing::Stamp stamp);

    HWND m_list;
    std::wstring m_path;
    std::string m_folder; // m_path as UTF-8, for the folder services
    std::vector<FolderModel::Entry> m_entries;
    FolderFollowing m_following;
};

} // namespace tarvolin
