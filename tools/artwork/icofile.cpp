#include "icofile.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

namespace artwork {
namespace {

void put16(QByteArray &out, quint32 value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

int channel(QRgb colour, int which)
{
    return which == 0 ? qRed(colour) : which == 1 ? qGreen(colour) : qBlue(colour);
}

struct Box {
    std::vector<std::pair<QRgb, int>> colours;  // colour and how many pixels have it

    int range(int which) const
    {
        int low = 255;
        int high = 0;
        for (const auto &[colour, count] : colours) {
            low = std::min(low, channel(colour, which));
            high = std::max(high, channel(colour, which));
        }
        return high - low;
    }

    int widest() const
    {
        int best = 0;
        for (int which = 1; which < 3; ++which)
            if (range(which) > range(best))
                best = which;
        return best;
    }

    int pixels() const
    {
        int total = 0;
        for (const auto &entry : colours)
            total += entry.second;
        return total;
    }

    QRgb average() const
    {
        std::array<long long, 3> sum{};
        const long long total = pixels();
        for (const auto &[colour, count] : colours)
            for (int which = 0; which < 3; ++which)
                sum[static_cast<size_t>(which)] += static_cast<long long>(channel(colour, which)) * count;
        auto mean = [&](int which) {
            return static_cast<int>((sum[static_cast<size_t>(which)] + total / 2) / total);
        };
        return qRgb(mean(0), mean(1), mean(2));
    }
};

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    // Weighted towards green, as the eye is.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

} // namespace

QByteArray encodeIco(const IndexedImage &image)
{
    const int n = image.size;
    const int bpp = image.bitsPerPixel;
    const int colours = 1 << bpp;
    const auto pixels = static_cast<size_t>(n * n);
    if ((bpp != 1 && bpp != 4 && bpp != 8) || n <= 0 || n > 256 || image.palette.size() != colours
        || image.index.size() != pixels || image.transparent.size() != pixels)
        return {};

    const int xorStride = (n * bpp + 31) / 32 * 4;
    const int andStride = (n + 31) / 32 * 4;
    const auto bitmapBytes = static_cast<quint32>((xorStride + andStride) * n);
    const auto imageBytes = static_cast<quint32>(40 + 4 * colours) + bitmapBytes;

    QByteArray out;
    put16(out, 0);  // reserved
    put16(out, 1);  // icon, not cursor
    put16(out, 1);  // one image

    out.append(static_cast<char>(n == 256 ? 0 : n));
    out.append(static_cast<char>(n == 256 ? 0 : n));
    out.append(static_cast<char>(bpp < 8 ? colours : 0));
    out.append('\0');
    put16(out, 1);  // planes
    put16(out, static_cast<quint32>(bpp));
    put32(out, imageBytes);
    put32(out, 6 + 16);

    put32(out, 40);
    put32(out, static_cast<quint32>(n));
    put32(out, static_cast<quint32>(2 * n));  // the XOR bitmap and the mask, stacked
    put16(out, 1);
    put16(out, static_cast<quint32>(bpp));
    put32(out, 0);  // uncompressed
    put32(out, bitmapBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);  // all palette entries used
    put32(out, 0);

    for (QRgb colour : image.palette) {
        out.append(static_cast<char>(qBlue(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour)));
        out.append('\0');
    }

    // Both bitmaps run bottom row first.
    for (int y = n - 1; y >= 0; --y) {
        QByteArray row(xorStride, '\0');
        for (int x = 0; x < n; ++x) {
            const auto at = static_cast<size_t>(y * n + x);
            const int value = image.transparent[at] ? 0 : image.index[at] & (colours - 1);
            const int bit = x * bpp;
            const int shift = 8 - bpp - bit % 8;
            row[bit / 8] = static_cast<char>(row[bit / 8] | (value << shift));
        }
        out.append(row);
    }
    for (int y = n - 1; y >= 0; --y) {
        QByteArray row(andStride, '\0');
        for (int x = 0; x < n; ++x)
            if (image.transparent[static_cast<size_t>(y * n + x)])
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

IndexedImage quantizeTo256(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    IndexedImage result;
    result.size = image.width();
    result.bitsPerPixel = 8;
    const int n = result.size;

    std::map<QRgb, int> counts;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (qAlpha(image.pixel(x, y)) >= 128)
                ++counts[image.pixel(x, y) | 0xff000000u];

    // Median cut: keep splitting the box with the widest spread of colour at
    // its pixel-weighted median until the palette is full.
    std::vector<Box> boxes(1);
    boxes[0].colours.assign(counts.begin(), counts.end());
    constexpr size_t kFree = 255;  // entry 0 stays black
    while (boxes.size() < kFree) {
        int chosen = -1;
        int chosenRange = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].colours.size() < 2)
                continue;
            const int range = boxes[i].range(boxes[i].widest());
            if (chosen < 0 || range > chosenRange) {
                chosen = static_cast<int>(i);
                chosenRange = range;
            }
        }
        if (chosen < 0)
            break;
        Box &box = boxes[static_cast<size_t>(chosen)];
        const int which = box.widest();
        std::sort(box.colours.begin(), box.colours.end(), [which](const auto &a, const auto &b) {
            const int ca = channel(a.first, which);
            const int cb = channel(b.first, which);
            return ca != cb ? ca < cb : a.first < b.first;
        });
        const int half = box.pixels() / 2;
        size_t split = 1;
        for (int seen = box.colours[0].second; split < box.colours.size() - 1 && seen < half; ++split)
            seen += box.colours[split].second;
        Box upper;
        upper.colours.assign(box.colours.begin() + static_cast<std::ptrdiff_t>(split), box.colours.end());
        box.colours.resize(split);
        boxes.push_back(std::move(upper));
    }

    result.palette.append(qRgb(0, 0, 0));
    for (const Box &box : boxes)
        if (!box.colours.empty())
            result.palette.append(box.average());
    while (result.palette.size() < 256)
        result.palette.append(qRgb(0, 0, 0));

    result.index.assign(static_cast<size_t>(n * n), 0);
    result.transparent.assign(static_cast<size_t>(n * n), true);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 128)
                continue;
            int best = 0;
            for (int i = 1; i < result.palette.size(); ++i)
                if (distance(pixel, result.palette[i]) < distance(pixel, result.palette[best]))
                    best = i;
            const auto at = static_cast<size_t>(y * n + x);
            result.index[at] = best;
            result.transparent[at] = false;
        }
    }
    return result;
}

} // namespace artwork
