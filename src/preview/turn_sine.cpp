#include "preview/turn_sine.h"

#include <cmath>

namespace kavrin::preview {

namespace {

constexpr double HALF_PI = 1.57079632679489661923;
constexpr int SERIES_TERMS = 12;  // x^25 / 25! < 1e-19 for x below a quarter turn

// Taylor series of sine and cosine of x in [0, pi/2], summed from the smallest term up.
SineCosine series(double x) {
    const double x2 = x * x;
    double sine = 1.0;
    double cosine = 1.0;
    for (int n = SERIES_TERMS; n >= 1; --n) {
        sine = 1.0 - x2 / ((2.0 * n) * (2.0 * n + 1.0)) * sine;
        cosine = 1.0 - x2 / ((2.0 * n - 1.0) * (2.0 * n)) * cosine;
    }
    return {x * sine, cosine};
}

}  // namespace

SineCosine turnSineCosine(double turns) {
    // floor is exact on every platform; the quarter is reduced before the series sees it.
    const double quarters = (turns - std::floor(turns)) * 4.0;
    const double whole = std::floor(quarters);
    const SineCosine s = series((quarters - whole) * HALF_PI);
    switch (static_cast<int>(whole) & 3) {
        case 0: return {s.sine, s.cosine};
        case 1: return {s.cosine, -s.sine};
        case 2: return {-s.sine, -s.cosine};
        default: return {-s.cosine, s.sine};
    }
}

}  // namespace kavrin::preview
