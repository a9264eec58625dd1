#pragma once

#include <string>
#include <vector>

namespace tarvolin {

// The entries of one folder by their native names: on Linux the bytes the
// file system holds, whatever their encoding; on Windows UTF-8. Hidden
// entries (a leading "." on Linux, the hidden or system mark on Windows)
// stay out, and so do "." and "..".
class FolderListing
{
public:
    enum class Kind {
        Files,  // regular files, and links to them
        Folders // folders, and links to them
    };

    // The names of folder's entries of that kind, unsorted; none when the
    // folder cannot be read.
    static std::vector<std::string> names(const std::string& folder, Kind kind);

    // folder and name joined by exactly one separator.
    static std::string join(const std::string& folder, const std::string& name);
};

} // namespace tarvolin
