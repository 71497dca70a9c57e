#include "model/brushrandom.h"

namespace
{
constexpr int outputShift = 16;
constexpr uint32_t outputMask = 0x7FFFFFFF;
constexpr uint64_t fractionMask = 0xFFFFFFFFULL;
constexpr double oneOverTwoToThe32 = 2.3283064365386963e-10;
} // namespace

PBrushRandom::PBrushRandom(int16_t seed) : current((uint64_t) (int64_t) seed & stateMask) {}

void PBrushRandom::step()
{
    current = (current * multiplier + increment) & stateMask;
}

uint32_t PBrushRandom::next()
{
    step();
    return (uint32_t) (current >> outputShift) & outputMask;
}

int PBrushRandom::nextIndex(int count)
{
    if (count <= 0)
        return 0;
    return (int) (next() % (uint32_t) count);
}

double PBrushRandom::nextFraction()
{
    step();
    return (double) ((current >> outputShift) & fractionMask) * oneOverTwoToThe32;
}
