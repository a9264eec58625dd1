#pragma once

#include "platform/OpenFile.h"

#include <cstddef>

namespace tarvolin {

class OutputFile;

// A file opened for binary reading, read strictly in order from its first byte.
class InputFile : public OpenFile
{
public:
    // Opens path for reading; throws a Failure when it cannot.
    explicit InputFile(const std::string& path);

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

private:
    // Opens path for reading in the system's own way; throws a Failure when it cannot.
    static Handle openForReading(const std::string& path);
};

} // namespace tarvolin
