#include "engine/PieceCopier.h"

#include "engine/PieceBuffer.h"
#include "engine/SplitHost.h"
#include "platform/Failure.h"
#include "platform/InputFile.h"
#include "platform/NameText.h"
#include "platform/OutputFile.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace tarvolin {

namespace {

// The read-back compares in two halves of the copy's buffer, each aligned
// for reads past the system's cache.
constexpr std::size_t compareStep = PieceCopier::step / 2;
static_assert(compareStep % InputFile::alignment == 0 &&
              PieceBuffer::alignment % InputFile::alignment == 0);

const char* const diskSuspect = "。目标磁盘可能已损坏，或者实际容量比它标称的小";

[[noreturn]] void throwDiffers(const std::string& piece, std::int64_t offset)
{
    throw Failure("校验失败：分割后的文件" + NameText::quoted(piece) + "从第 " +
                  std::to_string(offset + 1) + " 个字节起与被分割文件不同" + diskSuspect);
}

[[noreturn]] void throwShorter(const std::string& piece, std::int64_t length, std::int64_t written)
{
    throw Failure("校验失败：分割后的文件" + NameText::quoted(piece) + "读回来只有 " +
                  std::to_string(length) + " 字节，比写入的 " + std::to_string(written) +
                  " 字节短" + diskSuspect);
}

} // namespace

PieceCopier::PieceCopier(SplitHost& host, PieceBuffer& buffer) : m_host(host), m_buffer(buffer) {}

void PieceCopier::copy(InputFile& source, OutputFile& piece, std::int64_t count,
                       const Progress& progress)
{
    std::int64_t done = 0;
    while (done < count) {
        const auto now = static_cast<std::size_t>(std::min<std::int64_t>(count - done, step));
        const std::size_t copied = m_inSystem ? source.copyTo(piece, now) : 0;
        if (copied < now) {
            m_inSystem = false;
            // Resized, read and written with no pump in between: a run
            // started from the pump shares the buffer.
            m_buffer.resize(now - copied);
            source.read(m_buffer.data(), m_buffer.size());
            piece.write(m_buffer.data(), m_buffer.size());
        }
        piece.startWriteBack(done, static_cast<std::int64_t>(now));
        done += static_cast<std::int64_t>(now);
        // The step that lies OutputFile::writeBackLag behind this one's end.
        if (const std::int64_t behind = done - OutputFile::writeBackLag; behind > 0) {
            const std::int64_t from = std::max<std::int64_t>(0, behind - step);
            piece.awaitWriteBack(from, behind - from);
        }
        if (done < count)
            pumpInside(progress, done);
    }
}

void PieceCopier::compare(InputFile& source, std::int64_t sourceOffset, InputFile& piece,
                          std::int64_t count, const Progress& progress)
{
    std::int64_t done = 0;
    while (done < count) {
        const auto now =
            static_cast<std::size_t>(std::min<std::int64_t>(count - done, compareStep));
        // Both halves are filled and compared with no pump in between.
        m_buffer.resize(2 * compareStep);
        char* const fromPiece = m_buffer.data();
        char* const fromSource = m_buffer.data() + compareStep;
        const std::size_t got = piece.readAt(done, fromPiece, now);
        if (source.readAt(sourceOffset + done, fromSource, now) < now)
            source.throwShortRead();
        const auto differs = std::mismatch(fromPiece, fromPiece + got, fromSource);
        if (differs.first != fromPiece + got)
            throwDiffers(piece.path(), done + (differs.first - fromPiece));
        if (got < now)
            throwShorter(piece.path(), done + static_cast<std::int64_t>(got), count);
        done += static_cast<std::int64_t>(now);
        if (done < count)
            pumpInside(progress, done);
    }
}

void PieceCopier::pumpInside(const Progress& progress, std::int64_t done)
{
    if (Clock::now() - m_lastPump < pumpInterval)
        return;
    if (progress)
        progress(done);
    pumpEvents();
}

void PieceCopier::pumpEvents()
{
    m_host.pumpEvents();
    m_lastPump = Clock::now();
}

} // namespace tarvolin
