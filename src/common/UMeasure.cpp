#include "UMeasure.h"

#include <cmath>

int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value)); // the default rounding mode rounds halves to even
}
