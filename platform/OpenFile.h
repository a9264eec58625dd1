#pragma once

#include <string>

namespace tarvolin {

// One open file of the split run. Closing is explicit and checked on the
// path that completes; a file still open when its owner goes away (a
// failure ended the run) is closed quietly then, so no file stays open.
class OpenFile
{
public:
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    bool isOpen() const;
    const std::string& path() const { return m_path; }

    // Completes and releases the file; a failure (for example a write that
    // the system delayed and could not finish) throws a Failure.
    void close();

    // True when path names this very file (the same file, not merely the
    // same text: links and other spellings of the path count too).
    bool isSameFileAs(const std::string& path) const;

protected:
    OpenFile() = default;
    ~OpenFile();

    // Takes over a handle that the platform's open call returned.
#ifdef _WIN32
    void adopt(void* handle, const std::string& path);
    void* m_handle = nullptr;
#else
    void adopt(int fd, const std::string& path);
    int m_fd = -1;
#endif
    std::string m_path;
};

} // namespace tarvolin
