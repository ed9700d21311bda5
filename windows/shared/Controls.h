#pragma once
// Building the controls of a window from its layout table: each control gets
// its table name as objectName, a screen-reader name, its twips position,
// face and colours.

#include "windows/shared/Resources.h"

#include <QLabel>
#include <QPlainTextEdit>

#include <functional>
#include <optional>

class QGroupBox;
class QPushButton;
class QStyle;
class QWidget;

// A caption that acts like a link: a click, or Enter or Space once Tab has
// brought the keyboard to it, opens what it points to.
class ClickLabel final : public QLabel {
    Q_OBJECT
public:
    // Becomes a tab stop once its caption is set (LinkLabel does both).
    explicit ClickLabel(QWidget* parent);

    // What a click does.
    void activate() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // What the caption's picture depends on.
    QString pictureKey() const;
    // Draws the caption's text as the label would.
    void drawText(QPainter& painter) const;
    // Makes the caption's picture, before it is painted: as it is shown,
    // resized, or its face, colours or state change. The pictures are kept
    // for the run, as every working window shows the same captions again,
    // and wrapping their text is much of a window's first frame.
    void preparePicture();

    QPixmap picture_;
    QString pictureKey_;
    bool pressed_ = false;
};

// A multi-line text box. Pasting from an empty clipboard (its owner gone,
// nothing copied since the session began) crashes Qt 6.4's own box, which
// takes the first of no formats; here such a paste inserts nothing.
class MultiLineBox final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData* source) override;
};

// A top-level window that is no QDialog but comes up as one: screen readers
// announce it, and read its text, as it appears.
class DialogWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

namespace Controls {

struct Look {
    QColor text = Resources::Colour::kBlack;
    Resources::FontStyle font{};
    Qt::Alignment align = Qt::AlignLeft;
    // Labels are transparent unless they have a background colour.
    std::optional<QColor> background{};
};

// A caption's text as shown: "&&" stands for one ampersand, a single "&"
// only marks an access key.
QString ShownCaption(const QString& caption);

// Sets a caption set at run time, and the name screen readers announce.
void SetCaption(QLabel* label, const QString& caption);

// Gives a control its name and the name screen readers announce.
void Name(QWidget* control, const QString& name, const QString& accessibleName);

QLabel* Label(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
              const Look& look);
// A clickable caption; with a pointer of its own when it is given one.
ClickLabel* LinkLabel(QWidget* parent, const QString& name, const QString& caption,
                      const QRect& rect, const Look& look, const std::optional<QCursor>& pointer = std::nullopt);
QPushButton* Button(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
                    const Resources::FontStyle& font = {});
// A frame with an optional caption over its border.
QGroupBox* Frame(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
                 const QColor& background, const QColor& captionColour,
                 const Resources::FontStyle& font = {});
// Fills a widget with one background colour.
void Paint(QWidget* widget, const QColor& background);

// How far two colours stand apart, as the contrast ratio of their relative
// luminances (1 to 21; text wants 4.5).
double Contrast(const QColor& a, const QColor& b);
// `preferred` where it stands apart from `background` by 4.5 or more; else
// black or white, whichever stands apart more.
QColor ReadableOn(const QColor& background, const QColor& preferred);
// The colour painted behind a control: its own background, or the nearest
// one its parents fill.
QColor BackgroundBehind(const QWidget* control);
// A text box or button on a background the program fixes: should the
// theme's colour for its face stand apart from that background less than
// the light theme's does, and less than 3 to 1 (a dark theme's box on the
// navy frame), it takes black text on white, the light theme's pair.
void KeepApartFrom(QWidget* control, const QColor& background);
// The same for every text box and button of a window.
void KeepControlsApart(QWidget* window);
// Keeps a window's colours readable: `apply` runs now, and again whenever
// the theme, the style or the application's palette changes while the
// window is open.
void KeepReadable(QWidget* window, const std::function<void()>& apply);
// Where a caption is longer than its one-line rectangle (the layout was
// drawn for Verdana and for English), it takes the empty room beside it: to
// the right, or to both sides where it is centred, up to its nearest
// neighbour on that line or its container's edge. Captions that fit keep
// their rectangle.
void GiveCaptionsRoom(QWidget* window);
// Draws a ring just outside a control while it has the keyboard, for a
// control whose style marks no focus (the read-only reading box). The ring
// is painted by the control's parent, so it adds nothing a screen reader
// would find.
void MarkFocusAround(QWidget* control);

}  // namespace Controls

class QMainWindow;

namespace Controls {

// Sizes a window so that its client area (below any menu bar) has the given
// size, and centres its frame, title bar included, on the screen it will
// open on.
void SetClientSizeCentred(QWidget* window, const QSize& client);

// Title-bar boxes: the close box always, the minimize box when asked for.
void SetTitleBarBoxes(QWidget* window, bool minimizeBox);

// The program's style: Fusion, with the menu bar's overflow button drawn
// rather than read from a picture file, which would have Qt load every image
// reader while the first window is still being built.
QStyle* ProgramStyle();


}  // namespace Controls
