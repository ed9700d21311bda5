#include "icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <string>
#include <numbers>

namespace artwork {
namespace {

const QColor kIconInk(0x2a, 0x12, 0x08);

QPainterPath sunRays(QPointF centre, double inner, double longReach, double shortReach, int count)
{
    QPainterPath rays;
    for (int k = 0; k < count; ++k) {
        const double a = k * 2 * std::numbers::pi / count - std::numbers::pi / 2;
        const bool isLong = (k % 2) == 0;
        const double reach = isLong ? longReach : shortReach;
        const double spread = (isLong ? 1.5 : 1.1) * std::numbers::pi / count;
        QPainterPath ray;
        ray.moveTo(centre + QPointF(std::cos(a - spread), std::sin(a - spread)) * inner * 0.96);
        ray.lineTo(centre + QPointF(std::cos(a), std::sin(a)) * reach);
        ray.lineTo(centre + QPointF(std::cos(a + spread), std::sin(a + spread)) * inner * 0.96);
        ray.closeSubpath();
        rays = rays.united(ray);
    }
    return rays;
}

} // namespace

QImage paintAppIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);

    const double s = size;
    // Outline and frame widths in whole pixels, so edges fall on the pixel
    // grid at every size instead of smearing across two pixels.
    const double line = std::max(1.0, std::round(s / 24.0));
    const double margin = std::round(s / 64.0);
    const double ring = std::max(2.0, std::round(s * 0.1));
    const QPen outline(kIconInk, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    const QRectF frame(margin + line / 2, margin + line / 2, s - 2 * margin - line, s - 2 * margin - line);
    QLinearGradient clay(frame.topLeft(), frame.bottomRight());
    clay.setColorAt(0, QColor(0xec, 0x74, 0x46));
    clay.setColorAt(0.55, QColor(0xc9, 0x44, 0x26));
    clay.setColorAt(1, QColor(0x93, 0x2a, 0x16));
    p.setPen(outline);
    p.setBrush(clay);
    p.drawRoundedRect(frame, s * 0.22, s * 0.22);

    const QRectF field = frame.adjusted(ring, ring, -ring, -ring);
    QRadialGradient night(field.center(), field.width() * 0.6);
    night.setColorAt(0, QColor(0x5c, 0x22, 0x14));
    night.setColorAt(1, QColor(0x2e, 0x0f, 0x08));
    p.setBrush(night);
    p.drawRoundedRect(field, s * 0.14, s * 0.14);

    // Beads round the frame, as on carved cartouches, where there is room.
    if (size >= 48) {
        const QRectF beads = frame.adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2);
        QPainterPath track;
        track.addRoundedRect(beads, s * 0.18, s * 0.18);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xd8, 0x9a, 200));
        constexpr int kBeads = 28;
        for (int i = 0; i < kBeads; ++i)
            p.drawEllipse(track.pointAtPercent((i + 0.5) / kBeads), ring * 0.13, ring * 0.13);
    }

    // The sun. The smallest icons drop the rays and grow the face, since the
    // face is what must still read at 16 pixels.
    const QPointF centre(s / 2, s / 2);
    const bool tiny = size < 24;
    const bool small = size < 32;
    const double radius = s * (tiny ? 0.3 : small ? 0.25 : 0.215);
    const double reach = field.width() / 2 - (small ? 0.0 : line * 0.5);
    if (!tiny) {
        const QPainterPath rays =
            sunRays(centre, radius, reach, radius + (reach - radius) * 0.6, small ? 8 : 16);
        QLinearGradient flame(centre - QPointF(reach, reach), centre + QPointF(reach, reach));
        flame.setColorAt(0, QColor(0xff, 0xc4, 0x48));
        flame.setColorAt(1, QColor(0xf0, 0x78, 0x22));
        // Outlined rays only once they are big enough for the outline not
        // to swallow them.
        p.setPen(size >= 64 ? QPen(kIconInk, line * 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                            : QPen(Qt::NoPen));
        p.setBrush(flame);
        p.drawPath(rays);
    }

    QRadialGradient gold(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.4);
    gold.setColorAt(0, QColor(0xff, 0xf0, 0xa8));
    gold.setColorAt(0.5, QColor(0xf8, 0xc0, 0x30));
    gold.setColorAt(1, QColor(0xd0, 0x84, 0x10));
    p.setPen(outline);
    p.setBrush(gold);
    p.drawEllipse(centre, radius, radius);

    // Ahau's face: two round eyes and the open mouth, with the cheek curls
    // and the single tooth where there are pixels enough for them.
    p.setPen(Qt::NoPen);
    p.setBrush(kIconInk);
    const double eyeX = radius * 0.38;
    const double eyeY = -radius * 0.18;
    const double eye = std::max(small ? 0.9 : 1.1, radius * 0.2);
    p.drawEllipse(centre + QPointF(-eyeX, eyeY), eye, eye);
    p.drawEllipse(centre + QPointF(eyeX, eyeY), eye, eye);
    const double mouth = std::max(small ? 0.9 : 1.0, radius * (size >= 48 ? 0.17 : 0.2));
    const QPointF mouthAt = centre + QPointF(0, radius * 0.45);
    p.drawEllipse(mouthAt, mouth * 1.25, mouth);
    if (size >= 48) {
        p.setBrush(QColor(0xff, 0xf6, 0xd0));
        const double glint = radius * 0.07;
        for (double side : {-1.0, 1.0})
            p.drawEllipse(centre + QPointF(side * eyeX - eye * 0.35, eyeY - eye * 0.35), glint, glint);
        p.drawRoundedRect(QRectF(mouthAt.x() - mouth * 0.35, mouthAt.y() - mouth, mouth * 0.7, mouth * 0.75),
                          mouth * 0.2, mouth * 0.2);

        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xa8, 0x5a, 0x10), std::max(1.0, radius * 0.05), Qt::SolidLine, Qt::RoundCap));
        for (double side : {-1.0, 1.0}) {
            const QPointF cheek = centre + QPointF(side * radius * 0.66, radius * 0.2);
            QPainterPath curl;
            curl.moveTo(cheek + QPointF(side * radius * 0.08, -radius * 0.14));
            curl.cubicTo(cheek + QPointF(side * radius * 0.2, radius * 0.04),
                         cheek + QPointF(-side * radius * 0.04, radius * 0.18),
                         cheek + QPointF(-side * radius * 0.08, radius * 0.02));
            p.drawPath(curl);
        }
    }
    return icon;
}

PointerArt handPointer()
{
    // Drawn pixel by pixel: a pointer has to be crisp, and at 32 x 32 with
    // one bit a traced curve only comes out ragged. '#' is the outline,
    // W, L, M and D are the white, light, mid and dark greys of the shaded
    // pointer (all white in the two-colour one), '.' is transparent.
    static constexpr std::array<const char *, PointerArt::kSize> rows = {
        "........###.....................",
        ".......#WWL#....................",
        "......#WWWLM#...................",
        "......#WWWLM#...................",
        "......#WWWLM#...................",
        "......#WWWLM#...................",
        "......#WWWLM#...................",
        "......#WWWLM#...................",
        "......#WWWLM#...................",
        "......#WWWLM#.##................",
        "......#WWWLM##WL#..##...........",
        "......#WWWLM#WWLM##WL#..........",
        "......#WWWLM#WWLM#WWLM###.......",
        "......#WWWLM#WWLM#WWLM#WL#......",
        "...####WWWLM#WWLM#WWLM#WLM#.....",
        "..#WWL#WWWLM#WWLM#WWLM#WLM#.....",
        ".#WWWL#WWWLM#WWLM#WWLM#WLM#.....",
        "#WWWWWWWWWWLLLLLLLLLLMMMMM#.....",
        "#WWWWWWWWWWWLLLLLLLLLMMMMM#.....",
        ".#WWWWWWWWWWLLLLLLLLLMMMMD#.....",
        "..#WWWWWWWWWLLLLLLLLLMMMMD#.....",
        "...#WWWWWWWWLLLLLLLLMMMMD#......",
        "....#WWWWWWWLLLLLLLMMMMD#.......",
        ".....#LLLLLLLLMMMMMMMDD#........",
        ".....###################........",
        ".......#LLLLLMMMMMMMDDD#........",
        ".......#LLLLLMMMMMMMDDD#........",
        ".......#LLLLLMMMMMMMDDD#........",
        ".......#LLLLLMMMMMMMDDD#........",
        ".......#LLLLLMMMMMMMDDD#........",
        ".......#################........",
        "................................",
    };
    static_assert(std::all_of(rows.begin(), rows.end(), [](const char *row) {
        return std::char_traits<char>::length(row) == PointerArt::kSize;
    }));

    PointerArt art;
    for (int y = 0; y < PointerArt::kSize; ++y) {
        for (int x = 0; x < PointerArt::kSize; ++x) {
            int level = -1;
            switch (rows[static_cast<size_t>(y)][x]) {
            case '#': level = 0; break;
            case 'D': level = 7; break;
            case 'M': level = 10; break;
            case 'L': level = 13; break;
            case 'W': level = 15; break;
            default: break;
            }
            art.level[static_cast<size_t>(y * PointerArt::kSize + x)] = level;
        }
    }
    art.hotSpot = QPoint(9, 0);  // the middle of the index finger's tip
    return art;
}

} // namespace artwork
