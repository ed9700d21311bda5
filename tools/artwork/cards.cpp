#include "cards.h"

#include <QFont>
#include <QFontInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>
#include <numbers>

namespace artwork {
namespace {

const QColor kInk(0x1d, 0x12, 0x0c);
const QColor kLettering(0x35, 0x21, 0x14);
const QColor kCardEdge(0x3b, 0x27, 0x1b);
const QColor kRule(0x6b, 0x47, 0x2c);
const QColor kParchmentLight(0xf7, 0xee, 0xd8);
const QColor kParchmentDark(0xe2, 0xcd, 0xa1);

// Card layout on the 372 x 480 canvas (4 canvas pixels per shown pixel).
constexpr double kCentreX = 186;
constexpr double kColourBaseline = 72;
constexpr double kNameBaseline = 434;
constexpr int kLetteringSize = 44;
constexpr int kSmallestLettering = 20;
constexpr double kLetteringRoom = 284;
constexpr double kMostSqueeze = 0.84;
constexpr double kColourSpacing = 3.0;
constexpr double kNameSpacing = 0.5;
// A name on two lines keeps clear of the cartouche's base (down to 378.5)
// and of the inner rule (from 450). Its lines stand close, since any gap
// between them comes out of the letters' size.
constexpr double kNameRoomTop = 381;
constexpr double kNameRoomBottom = 445;
constexpr double kLineGap = 0.15;
const QRectF kCartouche(50, 90, 272, 260);
constexpr double kRing = 15;

// Integer hash, so the paper grain is the same on every run and platform.
std::uint32_t hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed)
{
    std::uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

double unitNoise(std::uint32_t x, std::uint32_t y, std::uint32_t seed)
{
    return (hash(x, y, seed) & 0xffff) / 65535.0;
}

QFont letteringFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    // Hinting would bend the outlines differently at each size; the canvas
    // is large enough to do without.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

struct Line {
    QPainterPath path;  // baseline at y = 0
    int size = kLetteringSize;
    double squeeze = 1.0;
};

// Lettering squeezed a little when a name is long and made smaller only
// when squeezing is not enough, so it always fits across the card.
Line fitLine(const QString &text, double spacing)
{
    Line line;
    for (;; --line.size) {
        QFont font = letteringFont(line.size);
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        line.path = QPainterPath();
        line.path.addText(0, 0, font, text);
        const double width = line.path.boundingRect().width();
        line.squeeze = std::min(1.0, kLetteringRoom / width);
        if (line.squeeze >= kMostSqueeze || line.size <= kSmallestLettering)
            break;
    }
    return line;
}

// Centres the line on the card with its baseline at `baseline`.
QPainterPath placeLine(const Line &line, double baseline)
{
    const QRectF ink = line.path.boundingRect();
    QTransform place;
    place.translate(kCentreX - ink.center().x() * line.squeeze, baseline);
    place.scale(line.squeeze, 1.0);
    return place.map(line.path);
}

void fillLettering(QPainter &painter, const QPainterPath &placed)
{
    // A faint pressed-in highlight under the letters, as on printed card.
    painter.fillPath(placed.translated(0, 2.5), QColor(255, 250, 236, 150));
    painter.fillPath(placed, kLettering);
}

void drawLettering(QPainter &painter, const QString &text, double baseline, double spacing)
{
    fillLettering(painter, placeLine(fitLine(text, spacing), baseline));
}

// A name that one line could only hold in small letters goes on two, broken
// at the space that leaves the longer line shortest, in the room between the
// cartouche's base and the border. Empty when two lines would be no larger.
QPainterPath twoLines(const QString &text, double spacing, int oneLineSize)
{
    const auto width = [&](const QString &part) {
        QFont font = letteringFont(kLetteringSize);
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        QPainterPath path;
        path.addText(0, 0, font, part);
        return path.boundingRect().width();
    };
    qsizetype split = -1;
    double widest = 0;
    for (qsizetype at = text.indexOf(QLatin1Char(' ')); at > 0; at = text.indexOf(QLatin1Char(' '), at + 1)) {
        const double wider = std::max(width(text.left(at)), width(text.mid(at + 1)));
        if (split < 0 || wider < widest) {
            split = at;
            widest = wider;
        }
    }
    if (split < 0)
        return {};

    for (int size = kLetteringSize; size > oneLineSize; --size) {
        QFont font = letteringFont(size);
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        Line first, second;
        first.path.addText(0, 0, font, text.left(split));
        second.path.addText(0, 0, font, text.mid(split + 1));
        const QRectF top = first.path.boundingRect();
        const QRectF bottom = second.path.boundingRect();
        // Both lines squeezed alike, so their letters match.
        first.squeeze = second.squeeze = std::min(1.0, kLetteringRoom / std::max(top.width(), bottom.width()));
        const double gap = kLineGap * size;
        const double height = top.height() + gap + bottom.height();
        if (first.squeeze < kMostSqueeze || height > kNameRoomBottom - kNameRoomTop)
            continue;
        const double firstBaseline = (kNameRoomTop + kNameRoomBottom - height) / 2 - top.top();
        const double secondBaseline = firstBaseline + top.bottom() + gap - bottom.top();
        QPainterPath both = placeLine(first, firstBaseline);
        both.addPath(placeLine(second, secondBaseline));
        return both;
    }
    return {};
}

void drawName(QPainter &painter, const QString &text)
{
    const Line line = fitLine(text, kNameSpacing);
    const QPainterPath broken =
        line.size < kLetteringSize ? twoLines(text, kNameSpacing, line.size) : QPainterPath();
    fillLettering(painter, broken.isEmpty() ? placeLine(line, kNameBaseline) : broken);
}

QPainterPath diamond(QPointF centre, double half)
{
    QPainterPath path;
    path.moveTo(centre + QPointF(0, -half));
    path.lineTo(centre + QPointF(half * 0.8, 0));
    path.lineTo(centre + QPointF(0, half));
    path.lineTo(centre + QPointF(-half * 0.8, 0));
    path.closeSubpath();
    return path;
}

void gem(QPainter &painter, QPointF centre, double half, const Tones &tones)
{
    QLinearGradient gradient(centre - QPointF(half, half), centre + QPointF(half, half));
    gradient.setColorAt(0, tones.light);
    gradient.setColorAt(0.5, tones.fill);
    gradient.setColorAt(1, tones.shade);
    painter.setPen(QPen(kInk, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(gradient);
    painter.drawPath(diamond(centre, half));
}

void paintParchment(QPainter &painter, const QRectF &area, std::uint32_t seed)
{
    QRadialGradient glow(area.center() - QPointF(0, 40), area.height() * 0.72);
    glow.setColorAt(0.0, kParchmentLight);
    glow.setColorAt(0.65, kParchmentLight.darker(104));
    glow.setColorAt(1.0, kParchmentDark);
    QPainterPath sheet;
    sheet.addRoundedRect(area, 18, 18);
    painter.fillPath(sheet, glow);

    // Grain about one file pixel across, plus a few fibres: enough life for
    // the paper without fighting the lettering.
    painter.save();
    painter.setClipPath(sheet);
    painter.setPen(Qt::NoPen);
    constexpr int kCell = 3;
    for (int y = 0; y < kCanvasSize.height(); y += kCell) {
        for (int x = 0; x < kCanvasSize.width(); x += kCell) {
            const double n = unitNoise(x, y, seed) - 0.5;
            const QColor speck = n > 0 ? QColor(255, 252, 240, static_cast<int>(n * 70))
                                       : QColor(120, 82, 40, static_cast<int>(-n * 60));
            painter.fillRect(QRectF(x, y, kCell, kCell), speck);
        }
    }
    for (int i = 0; i < 70; ++i) {
        const double x = unitNoise(i, 1, seed) * kCanvasSize.width();
        const double y = unitNoise(i, 2, seed) * kCanvasSize.height();
        const double angle = unitNoise(i, 3, seed) * std::numbers::pi;
        const double length = 10 + unitNoise(i, 4, seed) * 26;
        QPainterPath fibre;
        fibre.moveTo(x, y);
        fibre.quadTo(x + std::cos(angle) * length * 0.5 + 4, y + std::sin(angle) * length * 0.5,
                     x + std::cos(angle) * length, y + std::sin(angle) * length);
        painter.setPen(QPen(QColor(139, 100, 55, 46), 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(fibre);
    }
    painter.restore();
}

void paintBorder(QPainter &painter, const Tones &tones)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kRule, 4.5));
    painter.drawRoundedRect(QRectF(21, 21, 330, 438), 10, 10);
    painter.setPen(QPen(kRule, 2.0));
    painter.drawRoundedRect(QRectF(29, 29, 314, 422), 6, 6);
    for (double x : {29.0, 343.0})
        for (double y : {29.0, 451.0})
            gem(painter, {x, y}, 11, tones);
}

// The classic day-sign cartouche: a rounded frame on a small tripod base.
void paintCartouche(QPainter &painter, const Tones &tones)
{
    const QPen outline(kInk, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const double bottom = kCartouche.bottom();
    auto enamel = [&](const QRectF &box) {
        QLinearGradient gradient(box.topLeft(), box.bottomRight());
        gradient.setColorAt(0, tones.light);
        gradient.setColorAt(0.5, tones.fill);
        gradient.setColorAt(1, tones.shade);
        return gradient;
    };

    painter.setPen(outline);
    for (double side : {-1.0, 1.0}) {
        const QRectF foot(kCentreX + side * 66 - 17, bottom - 8, 34, 30);
        painter.setBrush(enamel(foot));
        painter.drawRoundedRect(foot, 12, 12);
    }
    QPainterPath stem;
    stem.moveTo(kCentreX - 30, bottom - 6);
    stem.lineTo(kCentreX + 30, bottom - 6);
    stem.lineTo(kCentreX + 20, bottom + 26);
    stem.lineTo(kCentreX - 20, bottom + 26);
    stem.closeSubpath();
    painter.setBrush(enamel(stem.boundingRect()));
    painter.drawPath(stem);

    // Soft shadow under the frame so it sits on the paper.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 36, 16, 60));
    painter.drawRoundedRect(kCartouche.translated(3, 6), 64, 64);

    painter.setPen(outline);
    painter.setBrush(enamel(kCartouche));
    painter.drawRoundedRect(kCartouche, 64, 64);

    const QRectF field = kCartouche.adjusted(kRing, kRing, -kRing, -kRing);
    QRadialGradient depth(field.center() - QPointF(0, 20), field.width() * 0.7);
    depth.setColorAt(0, tones.deep.lighter(165));
    depth.setColorAt(1, tones.deep);
    painter.setBrush(depth);
    painter.drawRoundedRect(field, 52, 52);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 2.2));
    painter.drawRoundedRect(kCartouche.adjusted(6, 6, -6, -6), 58, 58);
}

// The emblem is painted on its own layer so it can cast a shadow on the
// cartouche field; that keeps pale signs from sinking into it.
void paintEmblemLayer(QPainter &painter, int index, const Tones &tones)
{
    QImage layer(kCanvasSize, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter emblem(&layer);
        emblem.setRenderHint(QPainter::Antialiasing);
        const QRectF field = kCartouche.adjusted(kRing, kRing, -kRing, -kRing);
        const double scale = std::min(field.width(), field.height()) * 0.98 / 100.0;
        emblem.translate(field.center());
        emblem.scale(scale, scale);
        paintEmblem(emblem, index, tones);
    }
    QImage shadow = layer;
    {
        QPainter tint(&shadow);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(shadow.rect(), QColor(0, 0, 0, 130));
    }
    painter.drawImage(QPointF(4, 6), shadow);
    painter.drawImage(QPointF(0, 0), layer);
}

} // namespace

Tones tonesForColour(int colour)
{
    switch (colour % 4) {
    case 0:
        return {QColor(0xf4, 0x8c, 0x6c), QColor(0xd6, 0x42, 0x2e), QColor(0x98, 0x24, 0x18),
                QColor(0x3e, 0x14, 0x10), kInk};
    case 1:
        return {QColor(0xff, 0xff, 0xff), QColor(0xf0, 0xec, 0xe2), QColor(0xb8, 0xb1, 0xa3),
                QColor(0x2a, 0x31, 0x3e), kInk};
    case 2:
        return {QColor(0x94, 0xc8, 0xf4), QColor(0x3c, 0x84, 0xd6), QColor(0x1d, 0x4e, 0x90),
                QColor(0x0d, 0x20, 0x40), kInk};
    default:
        return {QColor(0xff, 0xe8, 0x8c), QColor(0xf3, 0xba, 0x2c), QColor(0xb4, 0x7a, 0x10),
                QColor(0x3a, 0x28, 0x08), kInk};
    }
}

QString letteringFamily()
{
    return QFontInfo(letteringFont(kLetteringSize)).family();
}

QString glyphFolder(Language language)
{
    return language == Language::Spanish ? QStringLiteral("glyphs/es") : QStringLiteral("glyphs");
}

CardWords cardWords(int index, Language language)
{
    const auto sign = static_cast<size_t>(index);
    if (language == Language::Spanish)
        return {QString::fromUtf8(kSpanishLettering[sign].colour), QString::fromUtf8(kSpanishLettering[sign].noun)};
    return {QString::fromLatin1(kColourWords[sign % 4]), QString::fromLatin1(kDaySigns[sign].name)};
}

QImage paintCard(int index, Language language)
{
    const Tones tones = tonesForColour(index);
    const CardWords words = cardWords(index, language);
    QImage card(kCanvasSize, QImage::Format_ARGB32_Premultiplied);
    card.fill(kCardEdge);

    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    paintParchment(painter, QRectF(9, 9, 354, 462), 7919u * static_cast<std::uint32_t>(index + 1));
    paintBorder(painter, tones);
    drawLettering(painter, words.colour, kColourBaseline, kColourSpacing);
    paintCartouche(painter, tones);
    paintEmblemLayer(painter, index, tones);
    drawName(painter, words.noun);
    painter.end();
    return card;
}

QImage cardForFile(int index, Language language)
{
    return paintCard(index, language)
        .scaled(kFileSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace artwork
