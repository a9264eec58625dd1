#include "ui/FolderList.h"

#include "platform/FolderModel.h"
#include "platform/NameText.h"
#include "platform/PathName.h"
#include "platform/Utf8.h"

#include <algorithm>

namespace tarvolin {

std::vector<FolderList::ListEntry> FolderList::folderList(const std::string& root,
                                                          const std::string& folder)
{
    std::vector<ListEntry> list;
    std::string shownRoot = NameText::readable(root);
#ifdef _WIN32
    if (shownRoot.size() >= 2 && shownRoot[1] == ':')
        shownRoot[0] = Utf8::asciiLower(shownRoot[0]);
#endif
    list.push_back({root, shownRoot, 0, true});
    // Each folder on the way down, all open.
    const std::string below = folder.size() > root.size() ? folder.substr(root.size()) : "";
    std::string path = root;
    for (size_t start = 0; start < below.size();) {
        const size_t end = std::min(below.find(PathName::separator, start), below.size());
        if (end > start) {
            const std::string name = below.substr(start, end - start);
            path = PathName::join(path, name);
            list.push_back({path, NameText::readable(name), static_cast<int>(list.size()), true});
        }
        start = end + 1;
    }
    const int level = static_cast<int>(list.size());
    for (FolderModel::Entry& entry : FolderModel::subfolders(folder))
        list.push_back(
            {PathName::join(folder, entry.native), std::move(entry.readable), level, false});
    return list;
}

std::size_t FolderList::openIndex(const std::vector<ListEntry>& list)
{
    std::size_t open = 0;
    while (open + 1 < list.size() && list[open + 1].open)
        ++open;
    return open;
}

} // namespace tarvolin
