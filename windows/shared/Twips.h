#pragma once
// Window layouts are written in twips, 1/1440 inch: 15 twips make one pixel at
// 96 dots per inch. Every position goes through these helpers once, so the
// numbers in the window code read like the layout tables.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace Twips {

inline constexpr int kPerPixel = 15;

// Rounds to the nearest pixel, halves away from zero.
constexpr int ToPixels(int twips) {
    return twips >= 0 ? (twips + kPerPixel / 2) / kPerPixel : -((-twips + kPerPixel / 2) / kPerPixel);
}

inline QRect Rect(int left, int top, int width, int height) {
    return {ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height)};
}

inline QSize Size(int width, int height) { return {ToPixels(width), ToPixels(height)}; }

inline QPoint Point(int x, int y) { return {ToPixels(x), ToPixels(y)}; }

}  // namespace Twips
