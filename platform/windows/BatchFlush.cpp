#include "platform/BatchFlush.h"

#include "platform/FileServices.h"
#include "platform/OutputFile.h"

namespace tarvolin {

// Each file is written out without the device's cache; the last one's full
// flush then empties that cache, which holds the writes of every file.
BatchFlush::BatchFlush(const std::string& folder)
    : m_folder(folder), m_handle(nullptr), m_batched(true)
{
}

BatchFlush::~BatchFlush() = default;

bool BatchFlush::finish()
{
    if (!m_lastWrittenOut.empty())
        FileServices::flushFile(m_lastWrittenOut);
    return true;
}

} // namespace tarvolin
