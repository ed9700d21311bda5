#pragma once

#include <QColor>

class QPainter;

namespace artwork {

// The shades one day-sign colour is painted with: a bright enamel running
// from light to shade, a deep tone for the cartouche field and for holes in
// the emblem, and the ink used for every outline.
struct Tones {
    QColor light;
    QColor fill;
    QColor shade;
    QColor deep;
    QColor ink;
};

// Paints day sign `index` (0 = Imix ... 19 = Ahau) inside the square
// [-50, 50] x [-50, 50] of the painter's current coordinates (y downwards).
void paintEmblem(QPainter &painter, int index, const Tones &tones);

} // namespace artwork
