#include "ui/FolderFollowing.h"

#include <gtest/gtest.h>

namespace {

using tarvolin::FolderFollowing;
using namespace std::chrono_literals;

const FolderFollowing::Clock::time_point start{1h};

TEST(FolderFollowingTest, ReadsAgainOnceTheFoldersChangesPause)
{
    FolderFollowing following;
    following.listed(1, start, start + 1ms);
    EXPECT_FALSE(following.due(1, start + 250ms)) << "nothing changed";
    // A split writes piece after piece: each tick sees a new time.
    EXPECT_FALSE(following.due(2, start + 500ms));
    EXPECT_FALSE(following.due(3, start + 750ms));
    EXPECT_FALSE(following.due(3, start + 949ms));
    EXPECT_TRUE(following.due(3, start + 950ms));
    // The folder goes: it is read again (and shows no files).
    following.listed(3, start + 950ms, start + 951ms);
    EXPECT_FALSE(following.due(std::nullopt, start + 1200ms));
    EXPECT_TRUE(following.due(std::nullopt, start + 1400ms));
}

TEST(FolderFollowingTest, ComparesAListingNowAndThenAsLongAsOneTakes)
{
    // A folder whose time does not change (the root of a FAT drive).
    struct Case
    {
        std::chrono::milliseconds took, after;
        bool due;
    };
    const Case cases[] = {
        {1ms, 999ms, false},   {1ms, 1000ms, true},    {100ms, 1999ms, false},
        {100ms, 2000ms, true}, {200ms, 3999ms, false}, {200ms, 4000ms, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.after.count());
        FolderFollowing following;
        following.listed(7, start - c.took, start);
        EXPECT_EQ(following.due(7, start + c.after), c.due);
    }
}

} // namespace
