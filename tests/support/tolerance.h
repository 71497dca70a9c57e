#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

/** The one closeness check of the test suite: page geometry is float centimetres, so a
    thousandth of a millimetre is far below anything a user could see. */
constexpr double geometryTolerance = 1e-4;

inline testing::AssertionResult isNear(double actual, double expected, double tolerance = geometryTolerance)
{
    if (std::abs(actual - expected) <= tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << actual << " is not within " << tolerance << " of " << expected;
}

/** The same check for a point: both coordinates within the tolerance. */
inline testing::AssertionResult isNearPoint(double x, double y, double expectedX, double expectedY,
                                            double tolerance = geometryTolerance)
{
    if (std::abs(x - expectedX) <= tolerance && std::abs(y - expectedY) <= tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "(" << x << ", " << y << ") is not within " << tolerance << " of ("
                                       << expectedX << ", " << expectedY << ")";
}

/** Values for the seeded property tests. The engine's sequence is fixed by the standard and the
    values are made from it here, so a seed names the same cases with every library. */
class Seeded
{
public:
    explicit Seeded(uint32_t seed) : engine(seed) {}
    double between(double low, double high) { return low + (high - low) * (engine() / 4294967296.0); }
    int below(int n) { return static_cast<int>(engine() % static_cast<uint32_t>(n)); }

private:
    std::mt19937 engine;
};
