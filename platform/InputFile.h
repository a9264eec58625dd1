#pragma once

#include "OpenFile.h"

#include <cstddef>

namespace tarvolin {

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
};

} // namespace tarvolin
