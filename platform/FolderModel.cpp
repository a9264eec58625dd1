#include "platform/FolderModel.h"

#include "platform/NameText.h"
#include "platform/OpenFile.h"
#include "platform/Utf8.h"

#include <algorithm>

namespace tarvolin {

namespace {

// By readable name, letters of either case alike, then by native name.
bool inOrder(const FolderModel::Entry& a, const FolderModel::Entry& b)
{
    const auto order = std::lexicographical_compare_three_way(
        a.readable.begin(), a.readable.end(), b.readable.begin(), b.readable.end(),
        [](char x, char y) {
            return static_cast<unsigned char>(Utf8::asciiLower(x)) <=>
                   static_cast<unsigned char>(Utf8::asciiLower(y));
        });
    return order != 0 ? order < 0 : a.native < b.native;
}

std::vector<FolderModel::Entry> entries(const std::string& folder, FolderModel::detail::Kind kind)
{
    std::vector<FolderModel::Entry> entries;
    for (std::string& name : FolderModel::detail::names(folder, kind)) {
        std::string readable = NameText::readable(name);
        entries.push_back({std::move(name), std::move(readable)});
    }
    std::sort(entries.begin(), entries.end(), inOrder);
    return entries;
}

} // namespace

std::vector<FolderModel::Entry> FolderModel::files(const std::string& folder)
{
    return entries(folder, detail::Kind::Files);
}

std::vector<FolderModel::Entry> FolderModel::subfolders(const std::string& folder)
{
    return entries(folder, detail::Kind::Folders);
}

std::optional<std::int64_t> FolderModel::changeTime(const std::string& folder)
{
    const std::optional<OpenFile::Status> status = OpenFile::statusAt(folder);
    if (!status || !status->folder)
        return std::nullopt;
    return status->modified;
}

} // namespace tarvolin
