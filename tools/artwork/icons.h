#pragma once

#include <QImage>
#include <QPoint>

#include <array>

namespace artwork {

// The program's icon: the Ahau sun face in a day-sign cartouche, drawn
// directly at `size` pixels (not scaled from a big one) so that the frame
// lands on whole pixels and the face stays readable at 16 x 16.
QImage paintAppIcon(int size);

// The pointing-hand mouse pointer, 32 x 32, as grey levels 0 (black) to
// 15 (white), or -1 where the pointer is transparent.
struct PointerArt {
    static constexpr int kSize = 32;
    std::array<int, kSize * kSize> level{};
    QPoint hotSpot;

    int at(int x, int y) const { return level[static_cast<size_t>(y * kSize + x)]; }
};

PointerArt handPointer();

} // namespace artwork
