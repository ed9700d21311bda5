#pragma once
// Building the controls of a window from its layout table: each control gets
// its table name as objectName, a screen-reader name, its twips position,
// face and colours.

#include "windows/Resources.h"

#include <QLabel>

#include <optional>

class QGroupBox;
class QPushButton;
class QWidget;

// A caption that reacts to a click like a link.
class ClickLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
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

}  // namespace Controls

class QMainWindow;

namespace Controls {

// Sizes a window so that its client area (below any menu bar) has the given
// size, and centres its frame, title bar included, on the screen it will
// open on.
void SetClientSizeCentred(QWidget* window, const QSize& client);

// Title-bar boxes: the close box always, the minimize box when asked for.
void SetTitleBarBoxes(QWidget* window, bool minimizeBox);

}  // namespace Controls
