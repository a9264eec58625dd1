#pragma once

#include <stdexcept>
#include <string>

namespace tarvolin {

// A failed service call or arithmetic step. The description is a short
// Simplified Chinese text (UTF-8) meant to be shown to the user as it is.
class Failure : public std::runtime_error
{
public:
    explicit Failure(const std::string& description) : std::runtime_error(description) {}

    std::string description() const { return what(); }
};

} // namespace tarvolin
