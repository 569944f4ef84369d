#include "core/picture/ColorMatrix.h"

ColorMatrix BuildColorMatrix(int brightness, int contrast, int red, int green, int blue)
{
    constexpr float kOneOver255 = 0.003921569f;
    const float c = static_cast<float>(contrast);
    const float k = contrast > 0 ? c * 0.03f + 1.0f : (c + 100.0f) * 0.01f;
    const float t = contrast > 0 ? 0.5f - 0.5f * k : c * 0.005f * -1.0f;
    const float b = static_cast<float>(brightness) * kOneOver255;
    ColorMatrix m{};
    m[0][0] = m[1][1] = m[2][2] = k;
    m[3][3] = 1.0f;
    m[4][4] = 1.0f;
    m[4][0] = static_cast<float>(red) * kOneOver255 + b + t;
    m[4][1] = static_cast<float>(green) * kOneOver255 + b + t;
    m[4][2] = static_cast<float>(blue) * kOneOver255 + b + t;
    return m;
}
