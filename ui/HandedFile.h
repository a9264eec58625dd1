#pragma once

#include <string>
#include <vector>

namespace tarvolin {

// What the main window chooses from the names handed to it: those on its
// command line (a file dragged onto the program or its shortcut, "Open
// With", "Send To") and those dropped onto it. The first name is chosen as
// a click of File1 on it would choose it: a file opens its folder and is
// selected there; a folder is opened and no file is chosen. A name that
// cannot be chosen, and every name after the first, is told in a notice.
//
// Names are as the system gives them: on Linux their bytes (a GBK name
// from a Chinese archive included), on Windows UTF-8 from the UTF-16
// command line, long paths and "\\?\" paths included.
class HandedFile
{
public:
    // Looks at names[0] on the disk; a relative name is taken from
    // currentFolder. No names: nothing to open and nothing to tell.
    HandedFile(const std::vector<std::string>& names, const std::string& currentFolder);

    // The folder to open in Dir1, full, in the lists' form (a separator at
    // its end only at a drive's root); empty when the lists stay as they are.
    const std::string& folder() const { return m_folder; }

    // The name to select in File1, as the list holds it (on Windows in the
    // file's own case); empty when no file is chosen.
    const std::string& fileName() const { return m_fileName; }

    // Why the first name could not be chosen and which names were left
    // out; empty when there is nothing to tell.
    const std::string& notice() const { return m_notice; }

    // name as a full path: a relative one from currentFolder ("C:data" and
    // "\data" on Windows from its drive), "." and ".." taken out, doubled
    // and trailing separators dropped but at a root. On Windows "/" reads
    // as "\", and "\\?\C:\..." and "\\?\UNC\..." lose their prefix.
    static std::string fullPath(const std::string& name, const std::string& currentFolder);

private:
    void look(const std::string& path);

    std::string m_folder;
    std::string m_fileName;
    std::string m_notice;
};

} // namespace tarvolin
