// Sine and cosine of a fraction of a full turn, worked out with additions, subtractions,
// multiplications and divisions only. Every platform rounds those alike, so a pose and the pixels
// drawn from it are the same everywhere, whatever the maths library of the platform returns in
// its last bits.
#pragma once

namespace kavrin::preview {

struct SineCosine {
    double sine = 0.0;
    double cosine = 1.0;
};

// `turns` may be any value; 0.25 is a quarter turn.
SineCosine turnSineCosine(double turns);

}  // namespace kavrin::preview
