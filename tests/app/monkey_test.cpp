#include <gtest/gtest.h>

#include "support/monkey.h"

namespace
{
/** A run the suite repeats: a seed that once found a fault, or one of the steady set. */
struct Run
{
    const char* name;
    uint64_t seed;
    int steps;
};

// Every seed that ever failed stays here, named after the fault it found.
const Run regressions[] = {
    {"RedoOfALowerKeepsItsPlace", 204, 140},
    {"DigitKeysChangeThicknessOutsideTheHistory", 600, 4080},
    {"ARedoAfterADigitKeyIsNotHeldToIt", 605, 3680},
};

// The steady set: with the cases above, over twenty thousand steps under the sanitizers.
const Run steady[] = {
    {"Seed1000", 1000, 2000}, {"Seed1001", 1001, 2000}, {"Seed1002", 1002, 2000}, {"Seed1003", 1003, 2000},
    {"Seed1004", 1004, 2000}, {"Seed1005", 1005, 2000}, {"Seed1006", 1006, 2000},
};

class MonkeyRun : public testing::TestWithParam<Run>
{
};

/** How a run is shown in the test list: its seed and length replay it with plumet_monkey. */
void PrintTo(const Run& run, std::ostream* out)
{
    *out << "--seed " << run.seed << " --steps " << run.steps;
}

std::string runName(const testing::TestParamInfo<Run>& info)
{
    return info.param.name;
}
} // namespace

TEST_P(MonkeyRun, KeepsTheDocumentAndTheHistorySound)
{
    monkey::Monkey m(GetParam().seed);
    EXPECT_EQ(m.run(GetParam().steps), "");
}

INSTANTIATE_TEST_SUITE_P(Regression, MonkeyRun, testing::ValuesIn(regressions), runName);
INSTANTIATE_TEST_SUITE_P(Steady, MonkeyRun, testing::ValuesIn(steady), runName);
