#include "platform/InputFile.h"

namespace tarvolin {

InputFile::InputFile(const std::string& path, Caching caching)
    : OpenFile(openForReading(path, caching), path), m_caching(caching)
{
}

void InputFile::read(char* buffer, std::size_t count)
{
    transfer(Direction::in, buffer, count);
}

} // namespace tarvolin
