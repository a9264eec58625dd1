#pragma once

#include "OpenFile.h"

#include <cstddef>

namespace tarvolin {

// A file created (or emptied, when it exists) for binary writing.
class OutputFile : public OpenFile
{
public:
    // Creates path, or truncates the file of that name; throws a Failure
    // when it cannot.
    explicit OutputFile(const std::string& path);

    // Writes all count bytes at the current end; any shortfall (a full disk,
    // the size limit of the file) is a failure.
    void write(const char* data, std::size_t count);
};

} // namespace tarvolin
