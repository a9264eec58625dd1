#include "platform/InputFile.h"

namespace tarvolin {

InputFile::InputFile(const std::string& path) : OpenFile(openForReading(path), path) {}

void InputFile::read(char* buffer, std::size_t count)
{
    transfer(Direction::in, buffer, count);
}

} // namespace tarvolin
