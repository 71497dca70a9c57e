// The monkey by hand: plumet_monkey [--seed S] [--steps N] [--seeds K] [--verbose 1]
// runs K seeds from S on, N steps each, and prints the replay line and the steps of a failure.

#include <juce_events/juce_events.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "support/monkey.h"

int main(int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    uint64_t seed = 1;
    int steps = 10000, seeds = 1;
    bool verbose = false;
    for (int i = 1; i + 1 < argc; i += 2)
    {
        if (std::strcmp(argv[i], "--seed") == 0)
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (std::strcmp(argv[i], "--steps") == 0)
            steps = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--verbose") == 0)
            verbose = std::atoi(argv[i + 1]) != 0;
        else if (std::strcmp(argv[i], "--seeds") == 0)
            seeds = std::atoi(argv[i + 1]);
        else
        {
            std::fprintf(stderr, "usage: plumet_monkey [--seed S] [--steps N] [--seeds K] [--verbose 1]\n");
            return 64;
        }
    }
    int failed = 0;
    for (int k = 0; k < seeds; ++k)
    {
        monkey::Monkey m(seed + static_cast<uint64_t>(k));
        const auto report = m.run(steps);
        if (verbose)
            for (const auto& line : m.log)
                std::fprintf(stderr, "%s\n", line.c_str());
        if (!report.empty())
        {
            std::fprintf(stderr, "%s", report.c_str());
            ++failed;
        }
    }
    std::fprintf(stderr, "monkey: %d of %d runs failed\n", failed, seeds);
    return failed == 0 ? 0 : 1;
}
