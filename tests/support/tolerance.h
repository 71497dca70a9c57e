#pragma once

#include <gtest/gtest.h>

#include <cmath>

/** The one closeness check of the test suite: page geometry is float centimetres, so a
    thousandth of a millimetre is far below anything a user could see. */
constexpr double geometryTolerance = 1e-4;

inline testing::AssertionResult isNear(double actual, double expected, double tolerance = geometryTolerance)
{
    if (std::abs(actual - expected) <= tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << actual << " is not within " << tolerance << " of " << expected;
}
