#pragma once

#include <cstdint>
#include <string>

namespace tarvolin {

// How one split cuts its source: how many pieces, how many bytes each holds
// and the number each piece's name carries.
class PiecePlan
{
public:
    static constexpr std::int16_t maxPieces = INT16_MAX;

    // The plan for a source of fileLength bytes cut into pieces of splitsize
    // bytes: the ceiling of fileLength / splitsize pieces, by integer
    // division, so a source of any length is cut exactly. A splitsize of 0
    // fails as a division by zero; more than maxPieces pieces fail as an
    // overflow. (The largest source is maxPieces pieces of 2147483646 bytes.)
    PiecePlan(std::int64_t fileLength, std::int32_t splitsize);

    std::int32_t count() const { return m_count; }

    // Bytes in the piece with the one-based index: splitsize for every piece
    // but the last, which holds the rest.
    std::int32_t pieceSize(std::int32_t index) const;

    // The piece's zero-based number with at least three digits: "000", "001", ... "1000".
    static std::string suffix(std::int32_t index);

private:
    std::int64_t m_fileLength;
    std::int32_t m_splitsize;
    std::int32_t m_count;
};

} // namespace tarvolin
