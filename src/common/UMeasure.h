#pragma once
// Window measures as the settings store them.

// A fractional measure rounded to the nearest whole number, halves to the even
// neighbour (100.5 gives 100, 101.5 gives 102).
int RoundHalfEven(double value);
