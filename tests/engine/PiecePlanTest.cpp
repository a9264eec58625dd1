#include "engine/PiecePlan.h"
#include "platform/Failure.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

using tarvolin::Failure;
using tarvolin::PiecePlan;

namespace {

constexpr std::int64_t gib = std::int64_t{1} << 30;
constexpr std::int64_t largest = std::int64_t{32767} * 2147483646; // the largest source

struct PlanCase
{
    std::int64_t length;
    std::int32_t splitsize;
    std::int32_t count;
    std::int32_t lastSize;
};

class PiecePlanCount : public testing::TestWithParam<PlanCase>
{
};

TEST_P(PiecePlanCount, IsTheCeilingWithTheRestInTheLastPiece)
{
    const PlanCase c = GetParam();
    const PiecePlan plan(c.length, c.splitsize);
    EXPECT_EQ(plan.count(), c.count);
    EXPECT_EQ(plan.pieceSize(plan.count()), c.lastSize);
    std::int64_t total = 0;
    for (std::int32_t i = 1; i <= plan.count(); ++i) {
        if (i < plan.count()) {
            EXPECT_EQ(plan.pieceSize(i), c.splitsize);
        }
        total += plan.pieceSize(i);
    }
    EXPECT_EQ(total, c.length);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PiecePlanCount,
    testing::Values(
        PlanCase{10, 8, 2, 2}, PlanCase{16, 8, 2, 8}, PlanCase{17, 8, 3, 1},
        // quotients 2.5 and 3.5: rounding to even must still give the ceiling
        PlanCase{5, 2, 3, 1}, PlanCase{7, 2, 4, 1}, PlanCase{250, 100, 3, 50},
        PlanCase{102, 100, 2, 2}, PlanCase{65534, 2, 32767, 2}, PlanCase{65533, 2, 32767, 1},
        PlanCase{INT32_MAX, INT32_MAX / 2 + 1, 2, INT32_MAX / 2},
        PlanCase{INT32_MAX, 65540, 32767, 7},
        // sources of 2 GiB and more, exactly by integer division
        PlanCase{2 * gib, static_cast<std::int32_t>(gib), 2, static_cast<std::int32_t>(gib)},
        PlanCase{2 * gib + 1, static_cast<std::int32_t>(gib), 3, 1},
        PlanCase{4 * gib + 1, 2147483646, 3, 5}, PlanCase{5 * gib, 100 << 20, 52, 20 << 20},
        PlanCase{largest, 2147483646, 32767, 2147483646},
        PlanCase{largest - 2147483645, 2147483646, 32767, 1}));

TEST(PiecePlan, MoreThan32767PiecesIsAnOverflow)
{
    // 65535 / 2 = 32767.5; INT32_MAX / 65538 lies just above 32767; one byte
    // more than the largest source needs a piece more.
    for (const auto& [length, size] :
         std::vector<std::pair<std::int64_t, std::int32_t>>{{65535, 2},
                                                            {32768, 1},
                                                            {INT32_MAX, 1},
                                                            {INT32_MAX, 65538},
                                                            {largest + 1, 2147483646},
                                                            {std::int64_t{1} << 62, INT32_MAX}}) {
        EXPECT_THROW(PiecePlan(length, size), Failure) << length << " / " << size;
    }
}

TEST(PiecePlan, NegativeQuotientWithARestIsAlreadyItsCeiling)
{
    EXPECT_EQ(PiecePlan(5, -2).count(), -2);
    EXPECT_EQ(PiecePlan(-5, 2).count(), -2);
    EXPECT_EQ(PiecePlan(-5, -2).count(), 3);
}

TEST(PiecePlan, ZeroSizeIsADivisionByZero)
{
    try {
        PiecePlan(2, 0);
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_NE(failure.description().find("除数为零"), std::string::npos);
    }
}

TEST(PiecePlan, SuffixIsTheZeroBasedNumberWithAtLeastThreeDigits)
{
    EXPECT_EQ(PiecePlan::suffix(2), "001");
    EXPECT_EQ(PiecePlan::suffix(1000), "999");
    EXPECT_EQ(PiecePlan::suffix(1001), "1000");
    EXPECT_EQ(PiecePlan::suffix(32767), "32766");
}

} // namespace
