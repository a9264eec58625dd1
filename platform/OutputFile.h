#pragma once

#include "platform/OpenFile.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

namespace tarvolin {

// A file created (or emptied, when it exists) for binary writing.
class OutputFile : public OpenFile
{
public:
    // Creates path, or empties the regular file of that name. Refuses,
    // before anything in it changes, what is not a regular file (a folder,
    // a pipe, a device: opening never waits for a reader) and the file
    // `keep` however path spells it (a link, another way to the same
    // folder). A symbolic link to a regular file is followed. Throws a
    // Failure that names path when it cannot or must not write there.
    //
    // A check, where given, sees the identity of the opened file before it
    // changes and may refuse it by throwing.
    using Check = std::function<void(const std::string& path, const Identity& file)>;
    explicit OutputFile(const std::string& path, std::optional<Identity> keep = std::nullopt,
                        const Check& check = {});

    // Writes all count bytes at the current end; any shortfall (a full disk,
    // the size limit of the file) is a failure.
    void write(const char* data, std::size_t count);

    // How far the bytes written may run ahead of what the device holds:
    // the writer waits for the bytes this far behind (on Windows, for
    // every byte so far once this many have come together).
    static constexpr std::int64_t writeBackLag = std::int64_t{16} << 20;

    // Asks the system to start writing the bytes from offset on to the
    // device, without waiting for them.
    void startWriteBack(std::int64_t offset, std::int64_t length);

    // Waits until the device holds the bytes from offset on (on Windows,
    // every byte written so far, once enough have come together). A write
    // the device refuses is a failure.
    void awaitWriteBack(std::int64_t offset, std::int64_t length);

    // Waits until the device holds every byte of the file; a failure names
    // the file and what failed.
    void flush();

    // Writes every byte of the file to the device and waits for it, without
    // what the file system keeps of it (its size, its blocks) and without
    // emptying the device's own cache: for files that one flush of their
    // file system makes safe together. False where the system cannot do
    // this for the file; a write the device refuses is a failure that
    // names the file.
    bool writeOut();

    // Lets the system forget the file's bytes once the device holds them,
    // so that reading them again reads the device.
    void dropCache();

    // Empties the file and waits until the device holds that.
    void empty();

    // The refusal of an output at path that is the source itself, how it
    // came to be so told after the words that say it.
    [[noreturn]] static void throwIsSource(const std::string& path, const std::string& how = {});

private:
    // Opens path for writing without emptying it and without waiting (a pipe
    // with no reader would block the window for good), in the system's own
    // way; refuses the file keep, and what check refuses, where the system
    // tells them apart already.
    static Handle openChecked(const std::string& path, const std::optional<Identity>& keep,
                              const Check& check);

    // Empties the opened regular file, length bytes long until now, and
    // readies it for the writes.
    void startWriting(std::int64_t length);

    [[noreturn]] static void throwNotRegular(const std::string& path);
    // The failure of a flush or write-back: the file is not safe on the device.
    [[noreturn]] static void throwNotSaved(const std::string& path, int code);

    std::int64_t m_flushedUpTo = 0; // where Windows last flushed
};

} // namespace tarvolin
