#include "engine/PendingPieces.h"

#include "platform/BatchFlush.h"
#include "platform/OutputFile.h"

namespace tarvolin {

PendingPieces::PendingPieces(BatchFlush& flushes, bool dropCaches)
    : m_flushes(flushes), m_dropCaches(dropCaches)
{
}

// A piece still waiting when the run fails is closed quietly.
PendingPieces::~PendingPieces() = default;

void PendingPieces::add(std::unique_ptr<OutputFile> piece, std::int64_t end)
{
    m_waiting.emplace_back(std::move(piece), end);
    while (m_waiting.size() > mostWaiting ||
           (!m_waiting.empty() && m_waiting.front().second <= end - OutputFile::writeBackLag))
        settleOldest();
}

void PendingPieces::settleAll()
{
    while (!m_waiting.empty())
        settleOldest();
}

void PendingPieces::settleOldest()
{
    const std::unique_ptr<OutputFile> piece = std::move(m_waiting.front().first);
    m_waiting.pop_front();
    m_flushes.settle(*piece);
    if (m_dropCaches)
        piece->dropCache();
    piece->close();
}

} // namespace tarvolin
