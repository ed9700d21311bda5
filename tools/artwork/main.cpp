// kv_artwork: draws the day-sign cards and the icons into an assets folder.
//
//     kv_artwork <assets-folder> [--sheets <prefix>]
//
// Everything is painted by code, so running it again gives the same files.
// The cards are drawn twice: lettered in English into glyphs/ and in Spanish
// into glyphs/es/. Each file is read back and checked after it is written;
// with --sheets it also writes, for review, <prefix>.png (the English cards
// as the program shows them, with the icons), <prefix>-es.png (the Spanish
// cards as shown, then at double size as on a high-DPI screen) and
// <prefix>-raw.png and <prefix>-es-raw.png (the cards as stored).

#include "cards.h"
#include "icofile.h"
#include "icons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

using namespace artwork;

// Chosen so the cards come out at about 10 to 14 KB each.
constexpr int kJpegQuality = 95;
constexpr qint64 kSmallestCard = 8 * 1024;
constexpr qint64 kLargestCard = 16 * 1024;

constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};

struct Check {
    QString file;
    qint64 bytes = 0;
    QString what;
    QString problem;  // empty when the file is as intended
};

class Checks {
public:
    explicit Checks(QString root) : root_(std::move(root)) {}

    Check &add(const QString &path, const QString &what)
    {
        Check check;
        check.file = QDir(root_).relativeFilePath(path);
        check.bytes = QFileInfo(path).size();
        check.what = what;
        checks_.push_back(check);
        return checks_.back();
    }

    bool print() const
    {
        int failures = 0;
        std::printf("%-42s %7s  %s\n", "file", "bytes", "contents");
        for (const Check &check : checks_) {
            std::printf("%-42s %7lld  %s%s%s\n", qPrintable(check.file), static_cast<long long>(check.bytes),
                        qPrintable(check.what), check.problem.isEmpty() ? "" : "  <-- ",
                        qPrintable(check.problem));
            failures += check.problem.isEmpty() ? 0 : 1;
        }
        if (failures)
            std::printf("%d file(s) not as intended\n", failures);
        return failures == 0;
    }

private:
    QString root_;
    std::vector<Check> checks_;
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The glyph's name as lettered on the English card: "Red Dragon", "White Wind"...
QString glyphName(int index)
{
    const CardWords words = cardWords(index, Language::English);
    return words.colour.left(1) + words.colour.mid(1).toLower() + QLatin1Char(' ') + words.noun;
}

void writeCard(const QString &path, int index, Language language, Checks &checks)
{
    // Every language's card keeps the English name in its comment: that is
    // how a picture is told apart, whatever is lettered on it.
    const QString name = glyphName(index);
    const CardWords words = cardWords(index, language);
    const QString lettered = language == Language::English
                                 ? QString()
                                 : QStringLiteral(", lettered %1 / %2").arg(words.colour, words.noun);
    QImageWriter writer(path, "jpeg");
    writer.setQuality(kJpegQuality);
    writer.setOptimizedWrite(true);
    // The name goes into the file's comment too, so that anything reading
    // the picture can tell which glyph it shows without looking at it.
    writer.setText(QStringLiteral("Glyph"), name);
    const bool written = writer.write(cardForFile(index, language));

    QImageReader reader(path);
    const QSize size = reader.size();
    Check &check = checks.add(path, QString::fromLatin1("JPEG %1x%2 q%3, %4%5")
                                        .arg(size.width())
                                        .arg(size.height())
                                        .arg(kJpegQuality)
                                        .arg(name, lettered));
    if (!written)
        check.problem = writer.errorString();
    else if (reader.format() != "jpeg" || size != kFileSize)
        check.problem = QStringLiteral("not a 120x184 JPEG");
    else if (reader.text(QStringLiteral("Glyph")) != name)
        check.problem = QStringLiteral("comment does not name the glyph");
    else if (check.bytes < kSmallestCard || check.bytes > kLargestCard)
        check.problem = QStringLiteral("outside 8-16 KB");
}

// Writes an icon, then reads it back the way any consumer would and checks
// what it holds.
void writeIco(const QString &path, const IndexedImage &picture, qint64 expectedBytes, QPoint mustBeOpaque,
              const QString &what, Checks &checks)
{
    const bool written = writeFile(path, encodeIco(picture));
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const QImage image(path, "ico");
    Check &check = checks.add(path, what);
    const int storedDepth = bytes.size() > 37 ? static_cast<unsigned char>(bytes[36]) : -1;
    if (!written)
        check.problem = QStringLiteral("could not be written");
    else if (bytes.size() != expectedBytes)
        check.problem = QStringLiteral("expected %1 bytes").arg(expectedBytes);
    else if (storedDepth != picture.bitsPerPixel)
        check.problem = QStringLiteral("stored at %1 bits per pixel").arg(storedDepth);
    else if (image.isNull() || image.size() != QSize(32, 32))
        check.problem = QStringLiteral("does not load as a 32x32 icon");
    else if (qAlpha(image.pixel(0, 0)) != 0 || qAlpha(image.pixel(31, 0)) != 0)
        check.problem = QStringLiteral("corners are not transparent");
    else if (qAlpha(image.pixel(mustBeOpaque)) != 255)
        check.problem = QStringLiteral("hole where the picture should be");
}

IndexedImage pointerImage(const PointerArt &art, int bitsPerPixel)
{
    IndexedImage image;
    image.size = PointerArt::kSize;
    image.bitsPerPixel = bitsPerPixel;
    const int levels = 1 << bitsPerPixel;
    for (int i = 0; i < levels; ++i) {
        const int grey = i * 255 / (levels - 1);
        image.palette.append(qRgb(grey, grey, grey));
    }
    for (int level : art.level) {
        image.transparent.push_back(level < 0);
        // The two-colour pointer keeps the black outline and fills with white.
        const int index = level < 0 ? 0 : bitsPerPixel == 1 ? (level == 0 ? 0 : 1) : level;
        image.index.push_back(index);
    }
    return image;
}

QImage enlarged(const QImage &image, int factor)
{
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void drawChecker(QPainter &painter, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); y += 8)
        for (int x = area.left(); x <= area.right(); x += 8)
            painter.fillRect(QRect(x, y, 8, 8).intersected(area),
                             ((x - area.left()) / 8 + (y - area.top()) / 8) % 2 ? QColor(0xc8, 0xc8, 0xc8)
                                                                                 : QColor(0xf4, 0xf4, 0xf4));
}

constexpr int kSheetGap = 10;
const QColor kSheetBackground(0x44, 0x47, 0x4d);

std::vector<QImage> readCards(const QString &assets, Language language)
{
    std::vector<QImage> cards;
    for (const DaySign &sign : kDaySigns)
        cards.emplace_back(assets + QLatin1Char('/') + glyphFolder(language) + QLatin1Char('/') +
                           QString::fromLatin1(sign.file));
    return cards;
}

// The cards in rows of `columns`, each stretched to `cell` the way the
// program stretches them. Returns the height used.
int drawCards(QPainter &painter, const std::vector<QImage> &cards, int top, QSize cell, int columns)
{
    for (size_t i = 0; i < cards.size(); ++i) {
        const QPoint at(kSheetGap + static_cast<int>(i % columns) * (cell.width() + kSheetGap),
                        top + static_cast<int>(i / columns) * (cell.height() + kSheetGap));
        painter.drawImage(at, cards[i].size() == cell
                                  ? cards[i]
                                  : cards[i].scaled(cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    const int rows = (static_cast<int>(cards.size()) + columns - 1) / columns;
    return rows * (cell.height() + kSheetGap);
}

QImage storedCards(const std::vector<QImage> &cards)
{
    constexpr int kColumns = 10;
    QImage raw(kSheetGap + kColumns * (kFileSize.width() + kSheetGap), kSheetGap + 2 * (kFileSize.height() + kSheetGap),
               QImage::Format_RGB32);
    raw.fill(kSheetBackground);
    QPainter painter(&raw);
    drawCards(painter, cards, kSheetGap, kFileSize, kColumns);
    return raw;
}

bool writeSheets(const QString &assets, const QString &prefix)
{
    constexpr int kColumns = 10;
    const std::vector<QImage> cards = readCards(assets, Language::English);
    const std::vector<QImage> spanish = readCards(assets, Language::Spanish);
    const int sheetWidth = kSheetGap + kColumns * (kShownSize.width() + kSheetGap);

    // As the program shows them: stretched into 93 x 120.
    const QImage icon(assets + QStringLiteral("/icons/kvyaxkelen.ico"), "ico");
    const QImage plain(assets + QStringLiteral("/icons/hand-plain.ico"), "ico");
    const QImage shaded(assets + QStringLiteral("/icons/hand-shaded.ico"), "ico");
    const int cardsHeight = 2 * (kShownSize.height() + kSheetGap);
    QImage sheet(sheetWidth, kSheetGap + cardsHeight + 2 * (256 + kSheetGap), QImage::Format_RGB32);
    sheet.fill(kSheetBackground);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    drawCards(painter, cards, kSheetGap, kShownSize, kColumns);
    int x = kSheetGap;
    const int y = kSheetGap + cardsHeight;
    painter.drawImage(QPoint(x, y), icon);
    x += 32 + kSheetGap;
    for (const QImage &picture : {icon, plain, shaded}) {
        const QRect box(x, y, 128, 128);
        drawChecker(painter, box);
        painter.drawImage(box.topLeft(), enlarged(picture, 4));
        x += 128 + kSheetGap;
    }
    int iconX = kSheetGap;
    for (int size : kIconSizes) {
        const QImage png(assets + QStringLiteral("/icons/hicolor/%1x%1/apps/kvyaxkelen.png").arg(size));
        const QRect box(iconX, y + 128 + kSheetGap, size, size);
        drawChecker(painter, box);
        painter.drawImage(box.topLeft(), png);
        iconX += size + kSheetGap;
    }
    painter.end();

    // The Spanish cards as shown, then at 186 x 240 as on a high-DPI screen,
    // where the long names are easiest to judge.
    const QSize doubled = kShownSize * 2;
    constexpr int kDoubledColumns = 5;
    QImage es(sheetWidth, kSheetGap + cardsHeight + 4 * (doubled.height() + kSheetGap), QImage::Format_RGB32);
    es.fill(kSheetBackground);
    painter.begin(&es);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int shown = drawCards(painter, spanish, kSheetGap, kShownSize, kColumns);
    drawCards(painter, spanish, kSheetGap + shown, doubled, kDoubledColumns);
    painter.end();

    // As stored: 120 x 184.
    return sheet.save(prefix + QStringLiteral(".png")) && es.save(prefix + QStringLiteral("-es.png")) &&
           storedCards(cards).save(prefix + QStringLiteral("-raw.png")) &&
           storedCards(spanish).save(prefix + QStringLiteral("-es-raw.png"));
}

int usage()
{
    std::fprintf(stderr, "usage: kv_artwork <assets-folder> [--sheets <prefix>]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing is shown on screen, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments().mid(1);
    QString assets;
    QString sheets;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--sheets") && i + 1 < args.size())
            sheets = args[++i];
        else if (assets.isEmpty() && !args[i].startsWith(QLatin1Char('-')))
            assets = args[i];
        else
            return usage();
    }
    if (assets.isEmpty())
        return usage();
    assets = QDir(assets).absolutePath();

    if (letteringFamily() != QLatin1String("DejaVu Sans")) {
        std::fprintf(stderr, "kv_artwork: the lettering needs the DejaVu Sans font (found %s)\n",
                     qPrintable(letteringFamily()));
        return 1;
    }

    constexpr std::array<Language, 2> kLanguages = {Language::English, Language::Spanish};
    const QDir root(assets);
    for (Language language : kLanguages)
        root.mkpath(glyphFolder(language));
    root.mkpath(QStringLiteral("icons"));
    for (int size : kIconSizes)
        root.mkpath(QStringLiteral("icons/hicolor/%1x%1/apps").arg(size));

    Checks checks(assets);
    for (Language language : kLanguages)
        for (int i = 0; i < static_cast<int>(kDaySigns.size()); ++i)
            writeCard(root.filePath(glyphFolder(language) + QLatin1Char('/') + QString::fromLatin1(kDaySigns[i].file)),
                      i, language, checks);

    // Sizes: 6 + 16 of directory, 40 of header, the palette, the pixels and
    // the 128-byte mask.
    writeIco(root.filePath(QStringLiteral("icons/kvyaxkelen.ico")), quantizeTo256(paintAppIcon(32)), 2238,
             QPoint(16, 16), QStringLiteral("ICO 32x32, 256 colours, application"), checks);
    const PointerArt hand = handPointer();
    const QString hot = QStringLiteral(", hot spot %1,%2").arg(hand.hotSpot.x()).arg(hand.hotSpot.y());
    writeIco(root.filePath(QStringLiteral("icons/hand-plain.ico")), pointerImage(hand, 1), 326, hand.hotSpot,
             QStringLiteral("ICO 32x32, 2 colours, pointer") + hot, checks);
    writeIco(root.filePath(QStringLiteral("icons/hand-shaded.ico")), pointerImage(hand, 4), 766, hand.hotSpot,
             QStringLiteral("ICO 32x32, 16 greys, pointer") + hot, checks);

    for (int size : kIconSizes) {
        const QString path = root.filePath(QStringLiteral("icons/hicolor/%1x%1/apps/kvyaxkelen.png").arg(size));
        const bool written = paintAppIcon(size).save(path, "png");
        const QImage back(path, "png");
        Check &check = checks.add(path, QStringLiteral("PNG %1x%1 with alpha").arg(size));
        if (!written || back.size() != QSize(size, size) || !back.hasAlphaChannel())
            check.problem = QStringLiteral("not a %1x%1 PNG with alpha").arg(size);
        else if (qAlpha(back.pixel(0, 0)) != 0 || qAlpha(back.pixel(size / 2, size / 2)) != 255)
            check.problem = QStringLiteral("transparency in the wrong place");
    }

    const bool ok = checks.print();
    if (!sheets.isEmpty() && !writeSheets(assets, sheets)) {
        std::fprintf(stderr, "kv_artwork: could not write the review sheets at %s\n", qPrintable(sheets));
        return 1;
    }
    return ok ? 0 : 1;
}
