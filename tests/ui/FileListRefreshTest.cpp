#include "ui/FileListRefresh.h"

#include <gtest/gtest.h>

namespace {

using tarvolin::FileListRefresh;
using Refill = FileListRefresh::Refill;
using Entries = std::vector<tarvolin::FolderModel::Entry>;

TEST(FileListRefreshTest, KeepsTheSelectedFileByItsBytesAndLeavesAnUnchangedListAlone)
{
    // "\xCB\xB5" is a GBK name that reads as "说".
    const Entries shown = {{"a.bin", "a.bin"}, {"\xCB\xB5", "说"}, {"z.txt", "z.txt"}};
    const struct
    {
        const char* what;
        Entries read;
        std::optional<size_t> selected;
        std::optional<FileListRefresh::Refill> refill;
    } cases[] = {
        {"unchanged: left as it is", shown, 1, std::nullopt},
        {"a file came before the selected one",
         {shown[0], {"b", "b"}, shown[1], shown[2]},
         1,
         Refill{2}},
        {"the selected file went", {shown[0], shown[2]}, 1, Refill{}},
        {"another name that reads the same is not it",
         {shown[0], {"\xE8\xAF\xB4", "说"}},
         1,
         Refill{}},
        {"none was selected", {shown[0]}, std::nullopt, Refill{}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FileListRefresh::refill(shown, c.read, c.selected), c.refill);
    }
}

} // namespace
