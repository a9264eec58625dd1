#include "engine/PiecePlan.h"

#include "engine/CheckedArithmetic.h"

#include <cstdio>

namespace tarvolin {

namespace {

[[noreturn]] void throwTooManyPieces()
{
    throwOverflow("需要分割成的文件超过 32767 个");
}

// The smallest whole number not below fileLength / splitsize, limited to
// what a 16-bit count holds.
std::int16_t ceilingCount(std::int64_t fileLength, std::int32_t splitsize)
{
    if (splitsize == 0)
        throw Failure("除数为零：分割后文件的大小不能为 0");
    const std::int64_t whole = fileLength / splitsize;
    const bool rest = fileLength % splitsize != 0;
    // Division truncates towards zero: with a rest, a positive quotient is
    // raised by one to its ceiling; a negative one already is its ceiling.
    const std::int64_t count = whole + (rest && (fileLength < 0) == (splitsize < 0) ? 1 : 0);
    if (count < INT16_MIN || count > PiecePlan::maxPieces)
        throwTooManyPieces();
    return static_cast<std::int16_t>(count);
}

} // namespace

PiecePlan::PiecePlan(std::int64_t fileLength, std::int32_t splitsize)
    : m_fileLength(fileLength), m_splitsize(splitsize), m_count(ceilingCount(fileLength, splitsize))
{
}

std::int32_t PiecePlan::pieceSize(std::int32_t index) const
{
    if (index < m_count)
        return m_splitsize;
    const char* const limit = "最后一个分割文件的大小最大只能是 2147483647 字节";
    const std::int64_t before =
        checkedMul(std::int64_t{checkedSub(m_count, std::int32_t{1}, limit)},
                   std::int64_t{m_splitsize}, limit);
    const std::int64_t last = checkedSub(m_fileLength, before, limit);
    if (last < INT32_MIN || last > INT32_MAX)
        throwOverflow(limit);
    return static_cast<std::int32_t>(last);
}

std::string PiecePlan::suffix(std::int32_t index)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", static_cast<int>(index - 1));
    return digits;
}

} // namespace tarvolin
