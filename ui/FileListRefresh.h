#pragma once

#include "platform/FolderModel.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace tarvolin {

// How the file list takes its folder's files read again while it shows
// them (a split writing its pieces beside the source, a file copied in):
// a list whose files did not change is left as it is, neither cleared nor
// refilled, so nothing flickers and the user's scrolling stays; otherwise
// it is refilled, the selected entry stays selected where it is still
// there (found by its name's bytes, wherever it now stands), and the list
// scrolls back to the top entry it had.
class FileListRefresh
{
public:
    struct Refill
    {
        // The entry to select among the files read; none where the
        // selected one went, or none was selected.
        std::optional<size_t> selected;

        bool operator==(const Refill&) const = default;
    };

    // What the list does with read, having shown shown with the entry
    // selected selected (none: nullopt); nullopt when it is to stay as it is.
    static std::optional<Refill> refill(const std::vector<FolderModel::Entry>& shown,
                                        const std::vector<FolderModel::Entry>& read,
                                        std::optional<size_t> selected);
};

} // namespace tarvolin
