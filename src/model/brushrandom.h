#pragma once

#include <cstdint>

/** The brush generators' random sequence: a 48-bit linear congruential generator with the
    multiplier and increment of the drand48 family, but with outputs of its own. One
    generation draws everything from one sequence, so a seed always gives the same strokes.

        PBrushRandom random(brush.seed);
        const int element = random.nextIndex(elementCount);
        const double jitter = random.nextFraction();
*/
class PBrushRandom
{
public:
    static constexpr uint64_t multiplier = 0x5DEECE66DULL;
    static constexpr uint64_t increment = 0xB;
    static constexpr uint64_t stateMask = (1ULL << 48) - 1;

    /** The signed seed is sign-extended: seed -1 starts at 2^48 - 1. */
    explicit PBrushRandom(int16_t seed);

    /** Steps and returns a 31-bit value. */
    uint32_t next();
    /** Steps and returns next() mod count; 0, without a step, when count is not positive. */
    int nextIndex(int count);
    /** Steps and returns a fraction in [0, 1) made of the 32 bits above the lowest 16. */
    double nextFraction();

    uint64_t state() const { return current; }

private:
    void step();

    uint64_t current;
};
