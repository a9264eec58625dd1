#include "ui/FileListRefresh.h"

#include <algorithm>

namespace tarvolin {

std::optional<FileListRefresh::Refill>
FileListRefresh::refill(const std::vector<FolderModel::Entry>& shown,
                        const std::vector<FolderModel::Entry>& read, std::optional<size_t> selected)
{
    if (read == shown)
        return std::nullopt;
    Refill refill;
    if (selected && *selected < shown.size()) {
        const std::string& name = shown[*selected].native;
        const auto kept = std::find_if(read.begin(), read.end(), [&](const FolderModel::Entry& e) {
            return e.native == name;
        });
        if (kept != read.end())
            refill.selected = static_cast<size_t>(kept - read.begin());
    }
    return refill;
}

} // namespace tarvolin
