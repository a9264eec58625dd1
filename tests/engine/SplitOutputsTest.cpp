#include "engine/SplitOutputs.h"

#include "platform/Failure.h"
#include "platform/PathName.h"

#include <gtest/gtest.h>

namespace {

using namespace tarvolin;

TEST(SplitOutputs, NamesOfThePiecesAndTheScript)
{
    const std::string folder = PathName::join("d", "");
    const SplitOutputs outputs(folder + "movie.avi", 1001);
    EXPECT_EQ(outputs.folder(), folder);
    EXPECT_EQ(outputs.bareName(), "movie.avi");
    EXPECT_EQ(outputs.piecePath(1), folder + "movie.avi.000");
    EXPECT_EQ(outputs.pieceName(1001), "movie.avi.1000");
    EXPECT_EQ(outputs.scriptPath(), folder + "movie.avi.BAT");
    EXPECT_EQ(SplitOutputs("movie.avi", 1).folder(), ".");

    // The output a name stands for, as Windows compares names.
    const std::vector<std::pair<std::string, std::string>> named{
        {"movie.avi.000", "movie.avi.000"},
        {"MOVIE.AVI.999", "movie.avi.999"},
        {"movie.avi.bat", "movie.avi.BAT"},
        {"movie.avi.1000", "movie.avi.1000"},
        {"movie.avi.1001", ""},
        {"movie.avi.00", ""},
        {"movie.avi.0000", ""},
        {"movie.avi.+01", ""},
        {"movie.avi", ""},
        {"other.avi.000", ""}};
    for (const auto& [name, output] : named)
        EXPECT_EQ(outputs.outputNamed(name).value_or(folder), folder + output) << name;
}

TEST(SplitOutputs, PathsHoldAtMost32767Characters)
{
    EXPECT_NO_THROW(SplitOutputs(std::string(32767, 'x'), 1));
    EXPECT_THROW(SplitOutputs(std::string(32768, 'x'), 1), Failure);
    // Characters, not bytes: 32767 Chinese characters are 98301 bytes.
    std::string chinese;
    for (int i = 0; i < 32767; ++i)
        chinese += "文";
    EXPECT_NO_THROW(SplitOutputs(chinese, 1));
}

} // namespace
