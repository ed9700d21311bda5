#include "windows/shared/Resources.h"

#include "engine/Catalogue.h"
#include "windows/shared/Language.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QUrl>

#include <array>
#include <stdexcept>

namespace Resources {
namespace {

// Both pointers point with the tip of the index finger.
constexpr int kHandHotX = 9;
constexpr int kHandHotY = 0;

// A pointer from one of the hand pictures; should the picture not decode
// (the system lacks Qt's ICO reader), the system's own pointing hand.
QCursor hand(const QString& path) {
    const QPixmap picture(path);
    if (picture.isNull()) return QCursor(Qt::PointingHandCursor);
    return QCursor(picture, kHandHotX, kHandHotY);
}

}  // namespace

QIcon ApplicationIcon() {
    static const QIcon icon = [] {
        // Up to 64 pixels: enough for title bars and task bars at double
        // scale; the window system gets every size at start-up, so the
        // large ones stay with the desktop entry.
        QIcon result(QStringLiteral(":/icons/kvyaxkelen.ico"));
        for (const int size : {16, 24, 48, 64}) {
            result.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/kvyaxkelen.png").arg(size));
        }
        return result;
    }();
    return icon;
}

QPixmap ApplicationPicture() {
    // 32 x 32 on the screen; on a high-DPI screen drawn from the larger
    // icon sizes rather than enlarged from the 32-pixel picture.
    return ApplicationIcon().pixmap(QSize(32, 32), qApp->devicePixelRatio());
}

QCursor PlainHand() {
    static const QCursor cursor = hand(QStringLiteral(":/icons/hand-plain.ico"));
    return cursor;
}

QCursor ShadedHand() {
    static const QCursor cursor = hand(QStringLiteral(":/icons/hand-shaded.ico"));
    return cursor;
}

namespace {

// The picture, lettered in the reader's language where the program has it
// so lettered.
QString glyphFile(int number) {
    const QString name = QString::fromStdString(modMayanTarot::PictureName(static_cast<Glyph>(number - 1)));
    const QString lettered = QStringLiteral(":/glyphs/%1/%2").arg(Language::Current(), name);
    return QFile::exists(lettered) ? lettered : QStringLiteral(":/glyphs/") + name;
}

// Decoded (and scaled) once for the whole run: every result window shows
// them again. A change of language, as in tests, lets them go.
struct GlyphPictures {
    QString language;
    std::array<QPixmap, GlyphCount> decoded;
    std::array<QPixmap, GlyphCount> scaled;
};

GlyphPictures& glyphPictures() {
    static GlyphPictures pictures;
    if (pictures.language != Language::Current()) pictures = GlyphPictures{Language::Current(), {}, {}};
    return pictures;
}

}  // namespace

QPixmap GlyphPicture(int number) {
    if (number < 1 || number > GlyphCount) throw std::out_of_range("no glyph picture " + std::to_string(number));
    QPixmap& picture = glyphPictures().decoded[static_cast<std::size_t>(number - 1)];
    if (picture.isNull()) picture = QPixmap(glyphFile(number));
    return picture;
}

QPixmap GlyphPicture(int number, const QSize& size) {
    const QPixmap picture = GlyphPicture(number);
    QPixmap& fitted = glyphPictures().scaled[static_cast<std::size_t>(number - 1)];
    if (fitted.size() != size && !picture.isNull()) {
        fitted = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return fitted;
}

QString Text(const QString& name) {
    QFile file(QStringLiteral(":/text/") + name + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("missing text " + name.toStdString());
    // The English text is its own key in the translation.
    return QCoreApplication::translate("Text", QString::fromUtf8(file.readAll()).trimmed().toUtf8().constData());
}

QString SiteBase() { return QStringLiteral(KV_SITE_BASE); }

QString SiteHost() { return QUrl(SiteBase()).host(); }

namespace {

// The windows were laid out for Verdana (and a few captions for MS Sans
// Serif), which Linux does not have: fontconfig puts whatever face the
// desktop prefers in their place, and most are taller or wider (under Noto
// Sans, KDE's, captions lost their lower half). DejaVu Sans keeps Verdana's
// proportions and the package depends on it, so every desktop shows the
// layout as drawn; characters it lacks still come from other faces.
QString faceFor(const char* /* the layout's face */) { return QStringLiteral("DejaVu Sans"); }

}  // namespace

QFont Font(const FontStyle& style) {
    QFont font(faceFor(style.face));
    // The program's own Latin text is set without a shaping engine: it only
    // adds kerning, at half the cost of laying a reading out. Not where a
    // translation writes in a script that needs shaping, and never for what
    // the user types (TypingFont).
    if (Language::OwnTextIsLatin()) font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    return font;
}

QFont TypingFont() {
    QFont font = Font({});
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

}  // namespace Resources
