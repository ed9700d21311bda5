#pragma once
// What the windows share: the application icon, the two hand pointers, the
// glyph pictures, type faces and colours. All of it is compiled into the
// program; nothing is read from beside it.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace Resources {

inline const QString kWindowTitle = QStringLiteral("KV Yaxkelen v1.20");

QIcon ApplicationIcon();
// The 32 x 32 picture of the icon, as shown in picture boxes; empty if no
// size of it can be decoded.
QPixmap ApplicationPicture();

// Custom pointers of the clickable captions; the system's pointing hand
// when their pictures cannot be decoded.
QCursor PlainHand();
QCursor ShadedHand();

// Glyph picture number 1 .. 20 (glyph index + 1); throws for any other
// number. A picture that cannot be decoded (the system lacks Qt's JPEG
// reader) comes back empty: its box stays blank, the window still opens.
QPixmap GlyphPicture(int number);
// The same picture scaled (smoothly) to a box of `size` device pixels, once
// for the run: every reading's window shows the same five sizes again.
QPixmap GlyphPicture(int number, const QSize& size);

// Publisher's texts kept as content (assets/text/<name>.txt), in the
// reader's language.
QString Text(const QString& name);

// The publisher's site: the base address fixed at build time, and the host
// shown in captions.
QString SiteBase();
QString SiteHost();

namespace Colour {
inline const QColor kLightBlue{128, 128, 255};
inline const QColor kNavy{0, 0, 128};
inline const QColor kLightGrey{224, 224, 224};
inline const QColor kYellow{255, 255, 0};
inline const QColor kMidBlue{0, 0, 192};
inline const QColor kWhite{255, 255, 255};
inline const QColor kBlack{0, 0, 0};
inline const QColor kDarkGrey{64, 64, 64};
}  // namespace Colour

struct FontStyle {
    double points = 8.25;
    bool bold = false;
    bool underline = false;
    const char* face = "Verdana";
};

// The face for the program's own texts.
QFont Font(const FontStyle& style);
// The face for what the user types: set as its script needs, whatever it is.
QFont TypingFont();

}  // namespace Resources
