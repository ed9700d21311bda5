#include "emblems.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace artwork {
namespace {

// The emblem box is 100 units wide and shows at roughly 50 pixels, so one
// unit is half a pixel on screen: outlines under ~2.5 units turn to mush.
constexpr double kOutline = 2.6;
constexpr double kLine = 2.3;

QPainterPath circle(double x, double y, double r)
{
    QPainterPath path;
    path.addEllipse(QPointF(x, y), r, r);
    return path;
}

QPainterPath ellipse(double x, double y, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(QPointF(x, y), rx, ry);
    return path;
}

QPainterPath roundRect(double x, double y, double w, double h, double r)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath mirrored(const QPainterPath &path)
{
    return QTransform::fromScale(-1, 1).map(path);
}

// Turns a centre line into a solid band, so it can be filled and outlined
// like any other shape.
QPainterPath band(const QPainterPath &centre, double width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centre).simplified();
}

// A spiral from its outer end inwards; angles in degrees, clockwise on
// screen for positive `turns`.
QPainterPath spiral(QPointF centre, double outer, double inner, double turns, double startDegrees)
{
    QPainterPath path;
    const int steps = static_cast<int>(std::ceil(std::abs(turns) * 72));
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double angle = (startDegrees + t * turns * 360.0) * std::numbers::pi / 180.0;
        const double radius = outer + (inner - outer) * t;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

QPainterPath teardrop(double x, double y, double r)
{
    QPainterPath path;
    path.moveTo(x, y - 2.3 * r);
    path.cubicTo(x + 0.3 * r, y - 1.5 * r, x + r, y - 0.9 * r, x + r, y);
    path.arcTo(QRectF(x - r, y - r, 2 * r, 2 * r), 0, -180);
    path.cubicTo(x - r, y - 0.9 * r, x - 0.3 * r, y - 1.5 * r, x, y - 2.3 * r);
    path.closeSubpath();
    return path;
}

// A pointed leaf or petal from `base` to `tip`.
QPainterPath leaf(QPointF base, QPointF tip, double width)
{
    const QPointF d = tip - base;
    const double length = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / length * width, d.x() / length * width);
    QPainterPath path;
    path.moveTo(base);
    path.cubicTo(base + n * 0.9, base + d * 0.72 + n * 0.8, tip);
    path.cubicTo(base + d * 0.72 - n * 0.8, base - n * 0.9, base);
    path.closeSubpath();
    return path;
}

// A four-pointed star; `pinch` is how far the sides between the points are
// pulled in towards the centre (smaller is sharper).
QPainterPath fourPointStar(QPointF centre, double radius, double pinch)
{
    QPainterPath star;
    for (int k = 0; k < 4; ++k) {
        const double a = (k - 1) * std::numbers::pi / 2;
        const double b = a + std::numbers::pi / 2;
        const double mid = a + std::numbers::pi / 4;
        if (k == 0)
            star.moveTo(centre + QPointF(std::cos(a), std::sin(a)) * radius);
        star.quadTo(centre + QPointF(std::cos(mid), std::sin(mid)) * pinch,
                    centre + QPointF(std::cos(b), std::sin(b)) * radius);
    }
    star.closeSubpath();
    return star;
}

QPainterPath line(QPointF a, QPointF b)
{
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    return path;
}

class Brush {
public:
    Brush(QPainter &painter, const Tones &tones) : p(painter), t(tones) {}

    // The emblem's enamel: lit from the top left, outlined in ink.
    void enamel(const QPainterPath &path) const { enamel(path, t.light, t.fill, t.shade); }

    void enamel(const QPainterPath &path, const QColor &top, const QColor &middle,
                const QColor &bottom) const
    {
        const QRectF box = path.boundingRect();
        QLinearGradient gradient(box.topLeft(), box.bottomRight());
        gradient.setColorAt(0.0, top);
        gradient.setColorAt(0.5, middle);
        gradient.setColorAt(1.0, bottom);
        p.setPen(outlinePen(kOutline));
        p.setBrush(gradient);
        p.drawPath(path);
    }

    // Same enamel, one step darker, for parts that sit behind others.
    void backEnamel(const QPainterPath &path) const { enamel(path, t.fill, t.shade, t.shade.darker(125)); }

    // Pale enamel for parts that must stand out on the main fill.
    void paleEnamel(const QPainterPath &path) const { enamel(path, t.light.lighter(112), t.light, t.fill); }

    void flat(const QPainterPath &path, const QColor &colour, double outline = kOutline) const
    {
        p.setPen(outline > 0 ? outlinePen(outline) : QPen(Qt::NoPen));
        p.setBrush(colour);
        p.drawPath(path);
    }

    void hole(const QPainterPath &path, double outline = kOutline) const { flat(path, t.deep, outline); }

    void ink(const QPainterPath &path) const { flat(path, t.ink, 0); }

    void stroke(const QPainterPath &path, double width, const QColor &colour) const
    {
        QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }

    void inkLine(const QPainterPath &path, double width = kLine) const { stroke(path, width, t.ink); }

    void dot(double x, double y, double r) const { ink(circle(x, y, r)); }

    // A glint that keeps eyes alive at small sizes.
    void glint(double x, double y, double r) const { flat(circle(x, y, r), t.light.lighter(115), 0); }

    QPainter &p;
    const Tones &t;

private:
    QPen outlinePen(double width) const
    {
        return QPen(t.ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }
};

// Imix: the water lily rising from the earth's waters.
void imix(const Brush &b)
{
    b.backEnamel(ellipse(0, 24, 42, 10));
    for (const QPainterPath &drop : {teardrop(-20, 41, 4.2), teardrop(0, 44, 4.6), teardrop(20, 41, 4.2)})
        b.paleEnamel(drop);

    const QPainterPath outer = leaf({-3, 20}, {-45, -2}, 12);
    const QPainterPath side = leaf({-2, 18}, {-31, -29}, 15);
    const QPainterPath centre = leaf({0, 20}, {0, -44}, 17);
    b.backEnamel(outer);
    b.backEnamel(mirrored(outer));
    b.enamel(side);
    b.enamel(mirrored(side));
    b.enamel(centre);
    b.inkLine(line({0, 8}, {0, -26}), 2.0);
    b.inkLine(line({-7, 8}, {-21, -16}), 1.8);
    b.inkLine(line({7, 8}, {21, -16}), 1.8);
}

// Ik: the T-shaped breath opening.
void ik(const Brush &b)
{
    const QPainterPath tee = roundRect(-29, -24, 58, 15, 3).united(roundRect(-9.5, -12, 19, 44, 5));
    b.enamel(circle(0, 0, 45).subtracted(tee));
    for (double side : {-1.0, 1.0}) {
        QPainterPath curl = spiral({side * 26, 14}, 9, 1.5, side * -1.4, side > 0 ? 0 : 180);
        b.inkLine(curl, 2.8);
        b.dot(side * 22, -34, 3.0);
    }
    b.dot(0, -36, 3.0);
}

// Akbal: the house of night, its doorway full of swirling dark and stars.
void akbal(const Brush &b)
{
    QPainterPath house;
    house.moveTo(-40, 40);
    house.lineTo(-40, -8);
    house.cubicTo(-40, -34, -22, -46, 0, -46);
    house.cubicTo(22, -46, 40, -34, 40, -8);
    house.lineTo(40, 40);
    house.closeSubpath();

    QPainterPath door;
    door.moveTo(-29, 20);
    door.lineTo(-29, -8);
    door.cubicTo(-29, -26, -16, -36, 0, -36);
    door.cubicTo(16, -36, 29, -26, 29, -8);
    door.lineTo(29, 20);
    door.closeSubpath();

    b.enamel(house.subtracted(door));
    b.paleEnamel(band(spiral({0, -6}, 13, 2.5, 1.45, 90), 5.2));
    b.paleEnamel(fourPointStar({-17, -19}, 9, 3.2));
    b.paleEnamel(fourPointStar({18, -17}, 7, 2.6));
    b.paleEnamel(fourPointStar({-19, 9}, 6.5, 2.4));
    b.paleEnamel(fourPointStar({19, 9}, 8, 3));

    QPainterPath waves;
    waves.moveTo(-32, 30);
    for (double x = -32; x < 32; x += 16)
        waves.quadTo(x + 4, 25, x + 8, 30), waves.quadTo(x + 12, 35, x + 16, 30);
    b.inkLine(waves, 2.6);
}

// Kan: the ripe maize cob between its husks.
void kan(const Brush &b)
{
    const QPainterPath husk = leaf({-2, 42}, {-34, -20}, 12);
    b.backEnamel(husk);
    b.backEnamel(mirrored(husk));

    QPainterPath cob;
    cob.moveTo(0, -40);
    cob.cubicTo(14, -40, 20, -16, 19, 6);
    cob.cubicTo(18, 26, 10, 38, 0, 38);
    cob.cubicTo(-10, 38, -18, 26, -19, 6);
    cob.cubicTo(-20, -16, -14, -40, 0, -40);
    cob.closeSubpath();

    b.flat(cob, b.t.shade, 0);
    b.p.save();
    b.p.setClipPath(cob);
    for (int row = 0; row < 10; ++row) {
        const double y = -40 + row * 8.2;
        const double offset = (row % 2) ? 4.2 : 0.0;
        for (int col = -3; col <= 3; ++col)
            b.enamel(roundRect(col * 8.4 + offset - 3.8, y, 7.6, 7.4, 2.6), b.t.light, b.t.fill,
                     b.t.fill);
    }
    b.p.restore();
    b.flat(cob, Qt::transparent);

    const QPainterPath frontHusk = leaf({0, 44}, {-22, 4}, 9);
    b.enamel(frontHusk, b.t.fill, b.t.shade, b.t.shade.darker(115));
    b.enamel(mirrored(frontHusk), b.t.fill, b.t.shade, b.t.shade.darker(115));
}

// Chicchan: the serpent and its scales.
void chicchan(const Brush &b)
{
    QPainterPath body;
    body.moveTo(-38, 32);
    body.cubicTo(-12, 44, 36, 38, 30, 18);
    body.cubicTo(25, 2, -28, 14, -26, -6);
    body.cubicTo(-24, -22, -2, -26, 8, -26);

    b.enamel(band(body, 14));
    for (int i = 1; i < 22; ++i) {
        const double at = i / 22.5;
        const QPointF point = body.pointAtPercent(at);
        b.p.save();
        b.p.translate(point);
        b.p.rotate(-body.angleAtPercent(at));
        if (i % 2)
            b.hole(polygon({{-3.4, 0}, {0, -3.6}, {3.4, 0}, {0, 3.6}}), 1.4);
        else
            b.dot(0, 0, 1.4);
        b.p.restore();
    }

    // The head, looking right, with the forked tongue.
    b.p.save();
    b.p.translate(14, -27);
    b.p.rotate(-8);
    QPainterPath tongue;
    tongue.moveTo(12, 2);
    tongue.lineTo(24, 2);
    tongue.lineTo(29, -3);
    tongue.moveTo(24, 2);
    tongue.lineTo(29, 7);
    b.stroke(tongue, 2.4, b.t.ink);
    QPainterPath head;
    head.moveTo(-10, -9);
    head.cubicTo(2, -14, 16, -9, 16, 0);
    head.cubicTo(16, 8, 4, 11, -10, 9);
    head.closeSubpath();
    b.enamel(head);
    b.dot(3, -3, 2.8);
    b.glint(2.2, -3.8, 0.9);
    b.dot(13, -1, 1.1);
    b.p.restore();
}

// Cimi: the skull of the one who passes over, eyes closed.
void cimi(const Brush &b)
{
    const QPainterPath skull = ellipse(0, -8, 33, 31).united(roundRect(-21, 4, 42, 34, 9));
    b.enamel(skull);

    for (double side : {-1.0, 1.0}) {
        b.hole(ellipse(side * 13.5, -2, 9.5, 8.5));
        QPainterPath lid;
        lid.moveTo(side * 13.5 - 7, -3.5);
        lid.quadTo(side * 13.5, 4, side * 13.5 + 7, -3.5);
        b.stroke(lid, 2.6, b.t.light);
        for (double dx : {-4.0, 0.0, 4.0})
            b.stroke(line({side * 13.5 + dx, 1.0}, {side * 13.5 + dx * 1.3, 4.5}), 1.6, b.t.light);
    }

    b.hole(polygon({{0, 7}, {-5.5, 15}, {5.5, 15}}), 2.0);

    b.hole(roundRect(-14, 21, 28, 11, 3), 2.0);
    for (double x = -10.5; x <= 10.6; x += 7)
        b.flat(roundRect(x - 2.6, 21, 5.2, 5.5, 1.5), b.t.light, 1.2);

    // The death sign on the brow.
    b.dot(-7, -31, 3.2);
    b.dot(7, -21, 3.2);
    b.inkLine(line({8, -34}, {-8, -18}), 3.0);
}

// Manik: the hand that grasps and gives.
void manik(const Brush &b)
{
    const std::array<QPointF, 4> tips = {QPointF(-16, -22), QPointF(-5.5, -35), QPointF(5.5, -33),
                                         QPointF(16, -24)};
    for (const QPointF &tip : tips) {
        QPainterPath finger;
        finger.moveTo(tip.x() * 0.85, 8);
        finger.lineTo(tip);
        b.enamel(band(finger, 9.6));
        b.inkLine(line({tip.x() - 2.6, tip.y() + 9}, {tip.x() + 2.6, tip.y() + 9}), 1.6);
    }
    QPainterPath thumb;
    thumb.moveTo(-12, 20);
    thumb.cubicTo(-22, 16, -32, 8, -37, -6);
    const QPainterPath palm = roundRect(-21.5, -8, 43, 36, 12);
    b.enamel(palm.united(band(thumb, 10.5)));
    b.inkLine(spiral({2, 10}, 7, 1, 1.3, 180), 2.2);

    b.enamel(roundRect(-19, 28, 38, 12, 4), b.t.fill, b.t.shade, b.t.shade);
    for (double x : {-11.0, 0.0, 11.0})
        b.hole(circle(x, 34, 2.8), 1.4);
}

// Lamat: the four-pointed star, Venus rising.
void lamat(const Brush &b)
{
    const QPainterPath star = fourPointStar({0, 0}, 45, 9);
    for (double x : {-24.0, 24.0})
        for (double y : {-24.0, 24.0})
            b.enamel(circle(x, y, 6.2));
    b.enamel(star);
    b.hole(circle(0, 0, 9.5));
    b.glint(0, 0, 3.6);
}

// Muluc: the moon and the jade drop of water.
void muluc(const Brush &b)
{
    const QPainterPath crescent = circle(-4, -2, 36).subtracted(circle(8, -10, 31));
    b.enamel(crescent);
    b.paleEnamel(circle(8, -10, 19));
    b.flat(circle(8, -10, 10.5), Qt::transparent, 2.2);
    b.hole(circle(8, -10, 4.2), 1.8);
    for (const QPainterPath &drop : {teardrop(20, 27, 4.4), teardrop(33, 18, 3.6), teardrop(30, 38, 3.4)})
        b.paleEnamel(drop);
}

// Oc: the faithful dog, ear pricked.
void oc(const Brush &b)
{
    QPainterPath ear;
    ear.moveTo(4, -24);
    ear.cubicTo(10, -36, 18, -46, 28, -48);
    ear.cubicTo(32, -36, 32, -22, 28, -12);
    ear.closeSubpath();
    b.backEnamel(ear);

    QPainterPath head;
    head.moveTo(-42, -4);
    head.cubicTo(-32, -9, -22, -12, -12, -14);
    head.cubicTo(-6, -26, 8, -31, 20, -27);
    head.cubicTo(34, -21, 40, -4, 36, 12);
    head.cubicTo(33, 24, 32, 32, 33, 44);
    head.lineTo(2, 44);
    head.cubicTo(2, 32, -4, 22, -14, 18);
    head.cubicTo(-24, 14, -34, 14, -41, 10);
    head.cubicTo(-46, 7, -46, -1, -42, -4);
    head.closeSubpath();
    b.enamel(head);

    b.flat(ellipse(-41, -2, 4.6, 4), b.t.ink, 0);
    QPainterPath mouth;
    mouth.moveTo(-43, 6);
    mouth.cubicTo(-34, 8, -24, 8, -17, 5);
    b.inkLine(mouth, 2.2);
    QPainterPath tongue;
    tongue.moveTo(-30, 8);
    tongue.cubicTo(-30, 16, -22, 18, -21, 8);
    tongue.closeSubpath();
    b.hole(tongue, 1.8);

    b.dot(-6, -14, 3.4);
    b.glint(-7, -15, 1.1);
    QPainterPath brow;
    brow.moveTo(-12, -19);
    brow.quadTo(-5, -23, 2, -18);
    b.inkLine(brow, 2.2);
    QPainterPath cheek;
    cheek.moveTo(8, -6);
    cheek.cubicTo(14, 2, 12, 12, 4, 16);
    b.inkLine(cheek, 2.0);
    b.inkLine(line({10, -18}, {24, -36}), 1.8);

    b.flat(roundRect(2, 30, 32, 7, 3), b.t.deep, 2.0);
    for (double x : {10.0, 18.0, 26.0})
        b.glint(x, 33.5, 1.6);
}

// Chuen: the monkey, craftsman, with his spiral thread.
void chuen(const Brush &b)
{
    b.enamel(band(spiral({0, -34}, 9.5, 2, 1.25, 90), 4.6));
    for (double side : {-1.0, 1.0}) {
        b.enamel(circle(side * 29, 4, 10.5));
        b.hole(circle(side * 29, 4, 5), 1.6);
    }
    b.enamel(ellipse(0, 4, 27, 29));

    const QPainterPath mask =
        circle(-9.5, -1, 10.5).united(circle(9.5, -1, 10.5)).united(ellipse(0, 15, 15, 12));
    b.paleEnamel(mask);
    for (double side : {-1.0, 1.0}) {
        b.dot(side * 9, -1, 3.8);
        b.glint(side * 9 - 1.2, -2.2, 1.2);
    }
    QPainterPath brow;
    brow.moveTo(-19, -10);
    brow.quadTo(-10, -17, 0, -10);
    brow.quadTo(10, -17, 19, -10);
    b.inkLine(brow, 2.6);
    b.dot(-2.8, 11, 1.5);
    b.dot(2.8, 11, 1.5);
    QPainterPath mouth;
    mouth.moveTo(-8, 18);
    mouth.quadTo(0, 24, 8, 18);
    b.inkLine(mouth, 2.2);
}

// Eb: the human, drawn as the classic profile with the dotted jaw.
void eb(const Brush &b)
{
    QPainterPath head;
    head.moveTo(-8, -40);
    head.cubicTo(-18, -32, -24, -20, -27, -10);
    head.lineTo(-39, 5);
    head.lineTo(-30, 7);
    head.cubicTo(-33, 9, -34, 12, -31, 13);
    head.cubicTo(-34, 15, -33, 19, -29, 20);
    head.cubicTo(-30, 27, -24, 31, -14, 31);
    head.cubicTo(-4, 31, 6, 27, 10, 22);
    head.lineTo(12, 44);
    head.lineTo(36, 44);
    head.cubicTo(33, 30, 36, 14, 38, 0);
    head.cubicTo(40, -24, 22, -44, -8, -40);
    head.closeSubpath();
    b.enamel(head);

    // Hair bound up over the brow, as the Maya wore it.
    b.p.save();
    b.p.setClipPath(head);
    QPainterPath hair;
    hair.moveTo(-30, -22);
    hair.cubicTo(-10, -30, 18, -24, 44, -10);
    hair.lineTo(44, -60);
    hair.lineTo(-30, -60);
    hair.closeSubpath();
    b.flat(hair, b.t.deep, kOutline);
    b.p.restore();
    b.flat(head, Qt::transparent);
    b.paleEnamel(roundRect(-27, -28, 12, 7, 3.5).united(circle(-13, -33, 5)));

    QPainterPath eye;
    eye.moveTo(-22, -10);
    eye.quadTo(-16, -15, -11, -10);
    eye.quadTo(-16, -7, -22, -10);
    eye.closeSubpath();
    b.flat(eye, b.t.light, 1.8);
    b.dot(-17, -10.5, 2.0);
    b.inkLine(line({-31, 16}, {-25, 15}), 2.0);

    b.paleEnamel(circle(17, 2, 8));
    b.hole(circle(17, 2, 3), 1.6);

    for (const auto &spot : {std::array<double, 2>{-20, 6}, {-13, 10}, {-22, 15}, {-6, 16},
                             {-15, 21}, {-2, 7}})
        b.dot(spot[0], spot[1], 2.0);
}

// Ben: the reeds and cane that grow straight up to the sky.
void ben(const Brush &b)
{
    b.backEnamel(leaf({-20, -4}, {-46, -24}, 8));
    b.backEnamel(leaf({20, 6}, {46, -14}, 8));
    b.backEnamel(leaf({0, -18}, {-16, -42}, 6.5));
    b.backEnamel(leaf({0, 4}, {22, -20}, 7));
    b.backEnamel(leaf({-20, 18}, {-42, 6}, 6.5));

    const std::array<std::array<double, 2>, 3> canes = {{{-20, -24}, {0, -32}, {20, -18}}};
    for (const auto &cane : canes) {
        const double x = cane[0];
        const double top = cane[1];
        // Cut on the slant, as cane is cut.
        b.enamel(polygon({{x - 5.5, 40}, {x - 5.5, top + 4}, {x + 5.5, top - 4}, {x + 5.5, 40}}));
        b.hole(ellipse(x, top, 2.4, 5.2).intersected(
                   polygon({{x - 5.5, top + 4}, {x + 5.5, top - 4}, {x + 5.5, top + 40}, {x - 5.5, top + 40}})),
               0);
        for (double y = top + 12; y < 36; y += 11)
            b.inkLine(line({x - 5.5, y}, {x + 5.5, y}), 2.6);
    }
    b.backEnamel(roundRect(-38, 36, 76, 9, 4));
}

// Ix: the jaguar of the night forest, spotted.
void ix(const Brush &b)
{
    for (double side : {-1.0, 1.0}) {
        b.enamel(circle(side * 23, -26, 10.5));
        b.hole(circle(side * 23, -25, 5), 1.6);
    }
    b.enamel(ellipse(0, 2, 36, 32));

    auto rosette = [&b](double x, double y, double s) {
        for (int k = 0; k < 4; ++k) {
            const double a = k * std::numbers::pi / 2 + 0.5;
            b.dot(x + std::cos(a) * 3.6 * s, y + std::sin(a) * 3.6 * s, 1.9 * s);
        }
    };
    rosette(0, -20, 1.1);
    rosette(-15, -21, 0.95);
    rosette(15, -21, 0.95);
    rosette(-27, 2, 0.9);
    rosette(27, 2, 0.9);
    rosette(-22, 18, 0.8);
    rosette(22, 18, 0.8);

    for (double side : {-1.0, 1.0}) {
        QPainterPath eye;
        eye.moveTo(side * 5, -5);
        eye.quadTo(side * 12, -13, side * 20, -6);
        eye.quadTo(side * 12, 1, side * 5, -5);
        eye.closeSubpath();
        b.hole(eye, 2.0);
        b.flat(ellipse(side * 12.5, -6, 1.6, 3.2), b.t.light, 0);
    }

    b.paleEnamel(ellipse(0, 15, 15, 12));
    b.ink(polygon({{-5.5, 6}, {5.5, 6}, {0, 12}}));
    QPainterPath mouth;
    mouth.moveTo(0, 11);
    mouth.lineTo(0, 17);
    mouth.moveTo(-8, 19);
    mouth.quadTo(-4, 21, 0, 17);
    mouth.quadTo(4, 21, 8, 19);
    b.inkLine(mouth, 2.0);
    for (double side : {-1.0, 1.0}) {
        b.dot(side * 8, 12, 1.1);
        b.dot(side * 11, 15, 1.1);
    }
}

// Men: the eagle, who sees far.
void men(const Brush &b)
{
    QPainterPath head;
    head.moveTo(-12, -18);
    head.cubicTo(-4, -30, 14, -32, 24, -26);
    head.lineTo(44, -36);
    head.lineTo(32, -20);
    head.lineTo(46, -18);
    head.lineTo(32, -8);
    head.lineTo(42, 2);
    head.lineTo(28, 4);
    head.cubicTo(26, 18, 26, 30, 30, 44);
    head.lineTo(-6, 44);
    head.cubicTo(-4, 30, -8, 16, -14, 6);
    head.closeSubpath();
    b.enamel(head);

    QPainterPath beak;
    beak.moveTo(-10, -20);
    beak.cubicTo(-28, -24, -44, -12, -42, 12);
    beak.cubicTo(-38, 4, -32, 1, -26, 2);
    beak.cubicTo(-22, 6, -16, 8, -10, 6);
    beak.cubicTo(-8, -2, -8, -12, -10, -20);
    beak.closeSubpath();
    b.paleEnamel(beak);
    b.inkLine(line({-26, 2}, {-20, -8}), 1.8);

    b.enamel(circle(2, -10, 7), b.t.light, b.t.light, b.t.fill);
    b.dot(2, -10, 3.6);
    b.glint(1, -11, 1.2);
    QPainterPath brow;
    brow.moveTo(-8, -19);
    brow.quadTo(4, -25, 13, -14);
    b.inkLine(brow, 3.0);

    for (double y : {18.0, 30.0}) {
        QPainterPath feather;
        feather.moveTo(-2, y - 5);
        feather.lineTo(8, y);
        feather.lineTo(18, y - 5);
        feather.lineTo(26, y);
        b.inkLine(feather, 2.0);
    }
}

// Cib: the owl and vulture of ancestral wisdom, eyes of curls.
void cib(const Brush &b)
{
    QPainterPath face;
    face.moveTo(-36, -40);
    face.lineTo(-20, -25);
    face.cubicTo(-8, -29, 8, -29, 20, -25);
    face.lineTo(36, -40);
    face.cubicTo(39, -16, 40, 10, 30, 26);
    face.cubicTo(20, 40, -20, 40, -30, 26);
    face.cubicTo(-40, 10, -39, -16, -36, -40);
    face.closeSubpath();
    b.enamel(face);

    for (double side : {-1.0, 1.0}) {
        b.paleEnamel(circle(side * 14, -6, 13));
        b.inkLine(spiral({side * 14, -6}, 10, 1.5, side * -1.6, side > 0 ? 180 : 0), 2.8);
    }
    b.enamel(polygon({{-6, 5}, {6, 5}, {0, 21}}), b.t.light, b.t.shade, b.t.shade);
    for (double y : {26.0, 33.0}) {
        QPainterPath chevrons;
        for (double x : {-16.0, 0.0, 16.0}) {
            chevrons.moveTo(x - 5, y - 3);
            chevrons.lineTo(x, y + 1);
            chevrons.lineTo(x + 5, y - 3);
        }
        b.inkLine(chevrons, 2.0);
    }
}

// Caban: the earth, its hills and its curl of movement.
void caban(const Brush &b)
{
    QPainterPath far;
    far.moveTo(0, 40);
    far.cubicTo(4, 6, 18, -12, 30, -12);
    far.cubicTo(42, -12, 48, 8, 48, 40);
    far.closeSubpath();
    QPainterPath near;
    near.moveTo(-48, 40);
    near.cubicTo(-48, -6, -30, -32, -8, -32);
    near.cubicTo(14, -32, 30, -8, 32, 40);
    near.closeSubpath();
    b.backEnamel(far);
    b.enamel(near);

    b.p.save();
    b.p.setClipPath(near.united(far));
    for (double y : {22.0, 31.0}) {
        QPainterPath stratum;
        stratum.moveTo(-50, y);
        for (double x = -50; x < 50; x += 16)
            stratum.quadTo(x + 4, y - 3.5, x + 8, y), stratum.quadTo(x + 12, y + 3.5, x + 16, y);
        b.inkLine(stratum, 2.2);
    }
    b.p.restore();

    const QPainterPath curl = spiral({-6, -10}, 11, 2, 1.3, 160);
    QPainterPath tail;
    tail.moveTo(curl.pointAtPercent(0));
    tail.cubicTo(-26, -6, -28, 0, -36, 6);
    b.inkLine(curl, 3.4);
    b.inkLine(tail, 3.4);
    b.dot(12, -2, 3.2);
    b.dot(4, 8, 2.8);
    b.dot(16, 10, 2.5);
    b.dot(30, 4, 2.6);
}

// Etznab: the flint blade, knapped to a mirror shine.
void etznab(const Brush &b)
{
    const QPointF top(0, -46);
    const QPointF bottom(0, 44);
    const std::array<QPointF, 4> right = {QPointF(15, -29), {23, -8}, {21, 13}, {12, 31}};
    // The left edge is not a mirror image: knapped stone never is.
    const std::array<QPointF, 4> left = {QPointF(-16, -27), {-23, -5}, {-19, 16}, {-10, 32}};
    const std::array<QPointF, 5> ridge = {top, QPointF(2, -25), {-2, -4}, {2, 16}, bottom};

    QPainterPath blade;
    blade.moveTo(top);
    for (const QPointF &point : right)
        blade.lineTo(point);
    blade.lineTo(bottom);
    for (auto it = left.crbegin(); it != left.crend(); ++it)
        blade.lineTo(*it);
    blade.closeSubpath();
    b.paleEnamel(blade);

    // Flake scars: the strip between ridge and edge cut into facets, each
    // catching the light differently.
    auto facets = [&b, &ridge](const std::array<QPointF, 4> &edge, const std::array<QColor, 3> &tones) {
        std::array<QPointF, 9> strip{};
        for (size_t i = 0; i < 4; ++i) {
            strip[2 * i] = ridge[i];
            strip[2 * i + 1] = edge[i];
        }
        strip[8] = ridge[4];
        b.p.setPen(QPen(b.t.shade.darker(115), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (size_t i = 0; i + 2 < strip.size(); ++i) {
            b.p.setBrush(tones[i % 3]);
            b.p.drawPolygon(QPolygonF({strip[i], strip[i + 1], strip[i + 2]}));
        }
    };
    facets(right, {b.t.light, b.t.fill, b.t.light.lighter(108)});
    facets(left, {b.t.fill, b.t.light, b.t.shade});
    b.flat(blade, Qt::transparent);

    b.paleEnamel(fourPointStar({-31, -26}, 9, 2.8));
    b.paleEnamel(fourPointStar({31, 24}, 7, 2.3));
    b.paleEnamel(fourPointStar({-30, 26}, 5, 1.8));
}

// Cauac: the storm cloud, heavy with its clusters of rain.
void cauac(const Brush &b)
{
    QPainterPath bolt = polygon({{8, 6}, {-4, 26}, {5, 26}, {-6, 46}, {20, 20}, {11, 20}, {19, 6}});
    b.paleEnamel(bolt);
    for (const auto &rain : {std::array<double, 2>{-28, 20}, {-16, 26}, {-30, 34}, {30, 20}, {28, 34}})
        b.inkLine(line({rain[0], rain[1]}, {rain[0] - 3, rain[1] + 7}), 2.4);

    QPainterPath cloud = circle(-16, -12, 16)
                             .united(circle(2, -22, 18))
                             .united(circle(21, -10, 15))
                             .united(circle(-30, 0, 11))
                             .united(circle(31, 2, 11))
                             .united(roundRect(-40, -4, 80, 18, 9));
    b.enamel(cloud);
    for (const auto &grape : {std::array<double, 2>{-22, 1}, {-13, 1}, {-4, 1}, {-17.5, -7}, {-8.5, -7},
                              {-13, -15}})
        b.paleEnamel(circle(grape[0], grape[1], 4.6));
    QPainterPath swirl = spiral({16, -12}, 8, 1.5, 1.2, 180);
    b.inkLine(swirl, 2.2);
}

// Ahau: the sun lord's face.
void ahau(const Brush &b)
{
    QPainterPath rays;
    for (int k = 0; k < 16; ++k) {
        const double a = k * std::numbers::pi / 8;
        const double reach = (k % 2) ? 38 : 47;
        const double spread = (k % 2) ? 0.16 : 0.2;
        rays = rays.united(polygon({{std::cos(a - spread) * 27, std::sin(a - spread) * 27},
                                    {std::cos(a) * reach, std::sin(a) * reach},
                                    {std::cos(a + spread) * 27, std::sin(a + spread) * 27}}));
    }
    b.backEnamel(rays);
    b.enamel(circle(0, 0, 31));
    for (double side : {-1.0, 1.0}) {
        b.hole(circle(side * 11, -6, 6.2), 2.0);
        b.glint(side * 11 - 1.8, -8, 1.9);
        b.inkLine(spiral({side * 21, 9}, 3.8, 0.6, side * 1.0, side > 0 ? 180 : 0), 1.8);
    }
    b.hole(ellipse(0, 13, 7, 5.2), 2.0);
    b.flat(roundRect(-2.4, 7.8, 4.8, 4.2, 1.2), b.t.light, 1.2);
}

} // namespace

void paintEmblem(QPainter &painter, int index, const Tones &tones)
{
    using Draw = void (*)(const Brush &);
    static constexpr std::array<Draw, 20> signs = {imix, ik,  akbal, kan, chicchan, cimi,   manik,
                                                   lamat, muluc, oc, chuen, eb, ben, ix,
                                                   men,  cib, caban, etznab, cauac, ahau};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    signs.at(static_cast<size_t>(index))(Brush(painter, tones));
    painter.restore();
}

} // namespace artwork
