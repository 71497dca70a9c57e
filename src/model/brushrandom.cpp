#include "model/brushrandom.h"

namespace
{
constexpr int outputShift = 16;
constexpr uint32_t outputMask = 0x7FFFFFFF;
constexpr uint64_t fractionMask = 0xFFFFFFFFULL;
constexpr double oneOverTwoToThe32 = 2.3283064365386963e-10;
} // namespace

PBrushRandom::PBrushRandom(int16_t seed) : current(static_cast<uint64_t>(static_cast<int64_t>(seed)) & stateMask) {}

void PBrushRandom::step()
{
    current = (current * multiplier + increment) & stateMask;
}

uint32_t PBrushRandom::next()
{
    step();
    return static_cast<uint32_t>(current >> outputShift) & outputMask;
}

int PBrushRandom::nextIndex(int count)
{
    if (count <= 0)
        return 0;
    return static_cast<int>(next() % static_cast<uint32_t>(count));
}

double PBrushRandom::nextFraction()
{
    step();
    return static_cast<double>((current >> outputShift) & fractionMask) * oneOverTwoToThe32;
}
