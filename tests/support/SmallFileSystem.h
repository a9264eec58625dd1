#pragma once

// A file system of its own, small enough to fill: a tmpfs mounted on a
// scratch folder, or another type made on an image file and mounted through
// a loop device (mkfs and mount(8)). Mounting needs root; tests skip where
// it cannot be had.

#include "tests/support/TestFiles.h"

#include <cstdlib>
#include <string>
#include <sys/mount.h>

namespace testsupport {

class SmallFileSystem
{
public:
    explicit SmallFileSystem(std::size_t bytes)
    {
        const std::string options = "size=" + std::to_string(bytes);
        m_mounted = ::mount("tmpfs", m_dir.path().c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    // A file system of type ("ext4") made with its own defaults on an image
    // of bytes.
    SmallFileSystem(std::size_t bytes, const std::string& type)
    {
        const std::string image = m_image / "image";
        writeFile(image, "");
        fs::resize_file(fromUtf8(image), bytes);
        m_mounted =
            std::system(("mkfs." + type + " -q '" + image + "' >/dev/null 2>&1 && mount -o loop '" +
                         image + "' '" + toUtf8(m_dir.path()) + "' 2>/dev/null")
                            .c_str()) == 0;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            ::umount2(m_dir.path().c_str(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return m_mounted; }
    std::string operator/(const std::string& name) const { return m_dir / name; }
    const fs::path& path() const { return m_dir.path(); }

    // Makes the file system read-only from now on.
    bool makeReadOnly()
    {
        return ::mount(nullptr, m_dir.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) ==
               0;
    }

private:
    TempDir m_image;
    TempDir m_dir;
    bool m_mounted = false;
};

} // namespace testsupport
