#pragma once

#include <array>

// A 5 x 5 colour matrix applied to the row vector (r, g, b, a, 1), components 0 ... 1; row 4
// is the translation.
using ColorMatrix = std::array<std::array<float, 5>, 5>;

// Brightness, contrast and the three colour offsets, each -100 ... 100 with 0 neutral.
// Contrast pivots about mid-grey; brightness and the colour values add value / 255.
ColorMatrix BuildColorMatrix(int brightness, int contrast, int red, int green, int blue);
