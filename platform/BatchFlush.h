#pragma once

#include "platform/OpenFile.h"

#include <string>

namespace tarvolin {

class OutputFile;

// Makes the files that one run writes into a folder safe on the device with
// as few flushes of the device as the system allows.
//
// Where the system can (Linux 5.8 or later on a file system of a local disk;
// Windows 8 or later), each file's bytes are written to the device before it
// is closed, so that a write the device refuses fails that file by name, and
// one flush at the end makes every file's size and blocks safe, and the
// device's cache with them. Elsewhere each file is flushed on its own before
// it is closed, and the end has nothing left to do.
class BatchFlush
{
public:
    // Decides for the run into folder, before its first file: from here on
    // a write refused on the folder's file system fails the end.
    explicit BatchFlush(const std::string& folder);
    ~BatchFlush();
    BatchFlush(const BatchFlush&) = delete;
    BatchFlush& operator=(const BatchFlush&) = delete;

    // True while the files are written out and flushed once at the end.
    bool batched() const { return m_batched; }

    // Before file is closed: its bytes written to the device, or the file
    // flushed where the system cannot write it out alone (from then on every
    // file is).
    void settle(OutputFile& file);

    // After the last file: the one flush. False where the file system
    // refused it: the caller then flushes each file on its own. A write the
    // device refused since the start is a failure that names the folder.
    bool finish();

private:
    std::string m_folder;
    OpenFile::Handle m_handle; // the folder's, where the flush needs one
    bool m_batched = false;
    std::string m_lastWrittenOut; // the last file written out, empty for none
};

} // namespace tarvolin
