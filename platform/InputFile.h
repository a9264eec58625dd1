#pragma once

#include "platform/OpenFile.h"

#include <cstddef>
#include <cstdint>

namespace tarvolin {

class OutputFile;

// A file opened for binary reading, read strictly in order from its first byte.
class InputFile : public OpenFile
{
public:
    enum class Caching {
        normal,
        // Every read goes to the device, past the system's memory: reads
        // at offsets and of counts that are multiples of alignment, into
        // memory aligned to it (on Windows; elsewhere the writer drops the
        // file's bytes from memory instead).
        bypass
    };
    static constexpr std::size_t alignment = 4096;

    // Opens path for reading; throws a Failure when it cannot.
    explicit InputFile(const std::string& path, Caching caching = Caching::normal);

    // The open file's length in bytes, files of any size alike. A folder is
    // a failure, as is a length the system cannot tell.
    std::int64_t length() const;

    // Reads exactly count bytes at the current position into buffer. Fewer
    // bytes (the file became shorter since its length was taken) are a
    // failure, as is any read error.
    void read(char* buffer, std::size_t count);

    // Copies up to count bytes from the current position to the end of
    // target inside the system, without passing them through the program,
    // and gives how many it copied. Fewer than count means the system
    // cannot copy between these two files (another file system, a platform
    // without the call): the caller moves the rest itself. A file that ends
    // early is a failure, as in read().
    std::size_t copyTo(OutputFile& target, std::size_t count);

    // Reads up to count bytes from offset on into buffer; fewer only where
    // the file ends. The position where read() goes on may move. A file
    // opened to bypass the cache may read past count up to the next
    // multiple of alignment: buffer must hold that much.
    std::size_t readAt(std::int64_t offset, char* buffer, std::size_t count);

private:
    // Opens path for reading in the system's own way; throws a Failure when it cannot.
    static Handle openForReading(const std::string& path, Caching caching);

    Caching m_caching;
};

} // namespace tarvolin
