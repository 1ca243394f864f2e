#pragma once
// Design positions are in twips; on the reference screen 15 twips make one pixel.
// This is the one place that converts between the two.
#include <QRect>

namespace kg {

inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPx(int twips) { return twips / kTwipsPerPixel; }
constexpr int PxToTwips(int px) { return px * kTwipsPerPixel; }
inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPx(left), TwipsToPx(top), TwipsToPx(width), TwipsToPx(height));
}

} // namespace kg
