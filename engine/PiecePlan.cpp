#include "PiecePlan.h"

#include "CheckedArithmetic.h"

#include <cmath>
#include <cstdio>

namespace tarvolin {

namespace {

// The count as the quotient rounded (halves to even) and raised by one when
// the quotient lies above it, in 16-bit arithmetic: the ceiling, limited to
// 32767.
[[noreturn]] void throwTooManyPieces()
{
    throw Failure(std::string(overflowDescription) + "：需要分割成的文件超过 32767 个");
}

std::int16_t ceilingCount(std::int32_t fileLength, std::int32_t splitsize)
{
    if (splitsize == 0)
        throw Failure("除数为零：分割后文件的大小不能为 0");
    const double q = static_cast<double>(fileLength) / static_cast<double>(splitsize);
    const double rounded = std::nearbyint(q); // the default rounding mode sends halves to even
    if (rounded < INT16_MIN || rounded > PiecePlan::maxPieces)
        throwTooManyPieces();
    const auto r = static_cast<std::int16_t>(rounded);
    if (q <= rounded)
        return r;
    if (r == PiecePlan::maxPieces)
        throwTooManyPieces();
    return static_cast<std::int16_t>(r + 1);
}

} // namespace

PiecePlan::PiecePlan(std::int32_t fileLength, std::int32_t splitsize)
    : m_fileLength(fileLength), m_splitsize(splitsize), m_count(ceilingCount(fileLength, splitsize))
{
}

std::int32_t PiecePlan::pieceSize(std::int32_t index) const
{
    if (index < m_count)
        return m_splitsize;
    const std::int32_t before = checkedMul(checkedSub(m_count, std::int32_t{1}), m_splitsize);
    return checkedSub(m_fileLength, before);
}

std::string PiecePlan::suffix(std::int32_t index)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", static_cast<int>(index - 1));
    return digits;
}

std::string PiecePlan::piecePath(const std::string& oname, std::int32_t index)
{
    return oname + "." + suffix(index);
}

} // namespace tarvolin
