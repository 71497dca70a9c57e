#include <gtest/gtest.h>

#include <vector>

#include "model/brushrandom.h"
#include "support/tolerance.h"

// Expected values were computed from the sequence's definition alone, outside this program:
// s = (s * 0x5DEECE66D + 0xB) mod 2^48 from the sign-extended seed, output (s >> 16) & 0x7FFFFFFF,
// fraction ((s >> 16) & 0xFFFFFFFF) / 2^32.

TEST(BrushRandomSequence, FirstOutputsFollowTheGeneratorDefinition)
{
    const struct
    {
        int16_t seed;
        std::vector<uint32_t> outputs;
    } cases[] = {
        {0, {0, 4232237, 178803790, 758674372}},
        {1, {384748, 996231309, 1598099801, 1612966641}},
        {-1, {2147098899, 1159716813, 906991427, 2051865752}},
    };
    for (const auto& c : cases)
    {
        PBrushRandom random(c.seed);
        for (uint32_t expected : c.outputs)
            EXPECT_EQ(random.next(), expected) << "seed " << c.seed;
    }
}

TEST(BrushRandomSequence, FractionsUseThirtyTwoBitsAndShareTheSequence)
{
    PBrushRandom one(1);
    EXPECT_TRUE(isNear(one.nextFraction(), 8.958112448453903e-05, 1e-12));
    EXPECT_TRUE(isNear(one.nextFraction(), 0.7319531769026071, 1e-12));
    EXPECT_EQ(one.next(), 1598099801u); // the third step, whatever kind of draw came before

    // Bit 31 of the shifted state counts in a fraction but not in an output.
    PBrushRandom minusOne(-1);
    EXPECT_TRUE(isNear(minusOne.nextFraction(), 0.9999104186426848, 1e-12));
}

TEST(BrushRandomSequence, IndexIsTheOutputModuloTheCount)
{
    PBrushRandom random(1);
    EXPECT_EQ(random.nextIndex(10), 8);     // 384748
    EXPECT_EQ(random.nextIndex(1000), 309); // 996231309
    const uint64_t before = random.state();
    EXPECT_EQ(random.nextIndex(0), 0);
    EXPECT_EQ(random.state(), before);
}
