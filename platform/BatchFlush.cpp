#include "platform/BatchFlush.h"

#include "platform/OutputFile.h"

namespace tarvolin {

void BatchFlush::settle(OutputFile& file)
{
    if (m_batched && file.writeOut()) {
        m_lastWrittenOut = file.path();
        return;
    }
    m_batched = false;
    file.flush();
}

} // namespace tarvolin
