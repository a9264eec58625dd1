#include "ui/HandedFile.h"

#include "platform/Failure.h"
#include "platform/FileServices.h"
#include "platform/FolderModel.h"
#include "platform/InputFile.h"
#include "platform/NameText.h"
#include "platform/OpenFile.h"
#include "platform/PathName.h"

#include <algorithm>
#include <optional>

namespace tarvolin {

namespace {

constexpr char separator = PathName::separator;

// How many of the names left out the notice shows; the rest it counts.
constexpr std::size_t namesShown = 5;

#ifdef _WIN32
bool isDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
#endif

// The length of path's root ("/", "C:\", "\\server\share\"); 0 for a
// relative path.
std::size_t rootLength(const std::string& path)
{
#ifdef _WIN32
    if (path.size() >= 3 && isDriveLetter(path[0]) && path[1] == ':' && path[2] == '\\')
        return 3;
    if (path.starts_with("\\\\")) {
        const std::size_t server = path.find('\\', 2);
        const std::size_t share =
            server == std::string::npos ? server : path.find('\\', server + 1);
        return share == std::string::npos ? path.size() : share + 1;
    }
    return 0;
#else
    return path.starts_with('/') ? 1 : 0;
#endif
}

// name with its root: the current folder's where it has none of its own.
std::string absolute(std::string name, const std::string& currentFolder)
{
#ifdef _WIN32
    std::replace(name.begin(), name.end(), '/', '\\');
    if (name.starts_with("\\\\?\\UNC\\"))
        name = "\\\\" + name.substr(8);
    else if (name.starts_with("\\\\?\\"))
        name = name.substr(4);
    if (rootLength(name) > 0)
        return name;
    if (name.size() >= 2 && isDriveLetter(name[0]) && name[1] == ':') {
        // "C:data": on the current folder's drive from that folder, on
        // another drive from its root (the program keeps no folder per drive).
        const bool sameDrive = currentFolder.size() >= 2 && currentFolder[1] == ':' &&
                               (currentFolder[0] | 0x20) == (name[0] | 0x20);
        return (sameDrive ? currentFolder : name.substr(0, 2)) + "\\" + name.substr(2);
    }
    if (name.starts_with('\\'))
        return currentFolder.substr(0, rootLength(currentFolder)) + name;
#else
    if (rootLength(name) > 0)
        return name;
#endif
    return currentFolder.empty() ? name : currentFolder + separator + name;
}

} // namespace

std::string HandedFile::fullPath(const std::string& name, const std::string& currentFolder)
{
    const std::string path = absolute(name, currentFolder);
    const std::size_t rootEnd = rootLength(path);
    std::string root = path.substr(0, rootEnd);
    if (!root.empty() && root.back() != separator)
        root += separator;
    std::vector<std::string> parts;
    for (std::size_t start = rootEnd; start <= path.size();) {
        std::size_t end = path.find(separator, start);
        if (end == std::string::npos)
            end = path.size();
        const std::string part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string full = root;
    for (const std::string& part : parts)
        full += (full.empty() || full.back() == separator ? "" : std::string(1, separator)) + part;
    return full;
}

HandedFile::HandedFile(const std::vector<std::string>& names, const std::string& currentFolder)
{
    if (names.empty())
        return;
    look(fullPath(names.front(), currentFolder));
    if (names.size() == 1)
        return;
    std::string leftOut;
    for (std::size_t i = 1; i < names.size() && i <= namesShown; ++i)
        leftOut += (i > 1 ? "、" : "") + NameText::quoted(names[i]);
    m_notice += (m_notice.empty() ? "" : "\n") + std::string("一次只能分割一个文件，其余 ") +
                std::to_string(names.size() - 1) + " 个没有选择：" + leftOut +
                (names.size() - 1 > namesShown ? "等" : "");
}

void HandedFile::look(const std::string& path)
{
    const std::optional<OpenFile::Status> status = OpenFile::statusAt(path);
    if (status && status->folder) {
        m_folder = path;
        return;
    }
    if (status && !status->regular) {
        m_notice = NameText::quoted(path) + "不是普通文件（而是设备、管道或套接字），不能分割";
        return;
    }
    try {
        // A name that does not exist or cannot be read: the system says why.
        const InputFile file(path);
    } catch (const Failure& failure) {
        m_notice = failure.description();
        return;
    }
    // Chosen as the file list shows it, or not at all: a file the list
    // leaves out cannot be clicked either.
    const std::string folder = fullPath(PathName::folderOf(path), {});
    const std::string bare = PathName::bareName(path);
    const std::vector<FolderModel::Entry> files = FolderModel::files(folder);
    auto found = std::find_if(files.begin(), files.end(),
                              [&](const FolderModel::Entry& e) { return e.native == bare; });
#ifdef _WIN32
    if (found == files.end())
        found = std::find_if(files.begin(), files.end(), [&](const FolderModel::Entry& e) {
            return FileServices::sameName(e.native, bare);
        });
    const char* hidden = "是隐藏文件或系统文件，文件列表中没有它，不能选择";
#else
    const char* hidden = "是隐藏文件，文件列表中没有它，不能选择";
#endif
    if (found == files.end()) {
        m_notice = NameText::quoted(path) + hidden;
        return;
    }
    m_folder = folder;
    m_fileName = found->native;
}

} // namespace tarvolin
