#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

#include <vector>

namespace artwork {

// One square palette image as a classic Windows icon stores it: an index per
// pixel into a palette of 2, 16 or 256 colours, and a mask that makes
// pixels transparent.
struct IndexedImage {
    int size = 32;
    int bitsPerPixel = 8;          // 1, 4 or 8
    QList<QRgb> palette;           // exactly 1 << bitsPerPixel entries
    std::vector<int> index;        // size * size, top row first
    std::vector<bool> transparent; // size * size, top row first
};

// The bytes of an .ico file holding that one image: BITMAPINFOHEADER,
// palette, XOR bitmap and 1-bit AND mask. Qt's own writer only makes 32-bit
// icons, and the program ships small palette ones.
QByteArray encodeIco(const IndexedImage &image);

// Reduces an image with alpha to 256 colours by median cut. Pixels under
// half opacity become transparent; palette entry 0 is black, which is what
// transparent pixels carry in the XOR bitmap.
IndexedImage quantizeTo256(const QImage &image);

} // namespace artwork
