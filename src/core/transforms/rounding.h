#pragma once
// Rounding to whole numbers without the maths library: std::lround and
// std::nearbyint are the only functions of it the command-line tool would
// call, and loading the library costs every run of it a tenth of its start.

#include <climits>
#include <cmath>

// x rounded to the nearest whole number, ties away from zero, as std::lround
// gives it for every x whose result fits a long.
inline long RoundHalfAway(double x) {
    // What std::lround gives where no long holds the result (NaN included).
    if (!(std::fabs(x) < 9223372036854775808.0)) return LONG_MIN;
    // Beyond 2^52 every double is whole already.
    if (std::fabs(x) >= 4503599627370496.0) return static_cast<long>(x);
    long whole = static_cast<long>(x); // towards zero
    const double rest = x - static_cast<double>(whole);
    if (rest >= 0.5) ++whole;
    if (rest <= -0.5) --whole;
    return whole;
}

// x rounded to the nearest whole number, ties to even, as std::nearbyint gives
// it in the default rounding mode; NaN and infinities stay as they are.
inline double RoundHalfEven(double x) {
    if (!(std::fabs(x) < 4503599627370496.0)) return x;
    const long long whole = static_cast<long long>(x); // towards zero
    const double rest = x - static_cast<double>(whole);
    long long rounded = whole;
    if (rest > 0.5 || (rest == 0.5 && whole % 2 != 0)) ++rounded;
    if (rest < -0.5 || (rest == -0.5 && whole % 2 != 0)) --rounded;
    // -0.4 rounds to -0, as nearbyint gives it.
    return rounded == 0 ? std::copysign(0.0, x) : static_cast<double>(rounded);
}
