// The rounding helpers give what the maths library gives: ties away from zero
// like std::lround, ties to even like std::nearbyint, on both sides of zero,
// at the edge of exact doubles and for NaN and infinities.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "transforms/rounding.h"

TEST(Rounding, AgreesWithTheMathsLibrary) {
    const double inf = std::numeric_limits<double>::infinity();
    const double values[] = {0.0,
                             -0.0,
                             0.4,
                             -0.4,
                             0.5,
                             -0.5,
                             1.5,
                             -1.5,
                             2.5,
                             -2.5,
                             2.4999999999999996,
                             0.49999999999999994,
                             -0.49999999999999994,
                             3.0000000000000004,
                             11.0 / 3.0,
                             -7.5,
                             123456.5,
                             4503599627370495.5,
                             -4503599627370495.5,
                             4503599627370497.0,
                             9007199254740993.0,
                             1e300,
                             -1e300,
                             inf,
                             -inf,
                             std::numeric_limits<double>::quiet_NaN()};
    for (const double x : values) {
        SCOPED_TRACE(x);
        const double even = RoundHalfEven(x);
        if (std::isnan(x)) {
            EXPECT_TRUE(std::isnan(even));
        } else {
            EXPECT_EQ(even, std::nearbyint(x));
            EXPECT_EQ(std::signbit(even), std::signbit(std::nearbyint(x)));
        }
        if (std::fabs(x) < 9e18) {
            EXPECT_EQ(RoundHalfAway(x), std::lround(x));
        }
    }
}
