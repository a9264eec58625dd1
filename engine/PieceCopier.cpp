#include "engine/PieceCopier.h"

#include "engine/PieceBuffer.h"
#include "engine/SplitHost.h"
#include "platform/InputFile.h"
#include "platform/OutputFile.h"

#include <algorithm>

namespace tarvolin {

PieceCopier::PieceCopier(SplitHost& host, PieceBuffer& buffer) : m_host(host), m_buffer(buffer) {}

void PieceCopier::copy(InputFile& source, OutputFile& piece, std::int64_t count,
                       const std::function<void(std::int64_t copied)>& progress)
{
    const std::int64_t total = count;
    while (count > 0) {
        const auto now = static_cast<std::size_t>(std::min<std::int64_t>(count, step));
        const std::size_t copied = m_inSystem ? source.copyTo(piece, now) : 0;
        if (copied < now) {
            m_inSystem = false;
            // Resized, read and written with no pump in between: a run
            // started from the pump shares the buffer.
            m_buffer.resize(now - copied);
            source.read(m_buffer.data(), m_buffer.size());
            piece.write(m_buffer.data(), m_buffer.size());
        }
        count -= static_cast<std::int64_t>(now);
        if (count > 0 && std::chrono::steady_clock::now() - m_lastPump >= pumpInterval) {
            if (progress)
                progress(total - count);
            pumpEvents();
        }
    }
}

void PieceCopier::pumpEvents()
{
    m_host.pumpEvents();
    m_lastPump = std::chrono::steady_clock::now();
}

} // namespace tarvolin
