#include "windows/shared/Controls.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cmath>

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && !event->isAutoRepeat() &&
        event->modifiers() == Qt::NoModifier) {
        activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull() && pictureKey_ == pictureKey()) {
        painter.drawPixmap(0, 0, picture_);
    } else {
        drawText(painter);  // changed since its picture was made
    }
    if (!hasFocus()) return;
    // A dotted frame around the caption, in whichever of its own colour,
    // black or white stands out on what lies behind it.
    QPen pen(Controls::ReadableOn(Controls::BackgroundBehind(this), palette().color(QPalette::WindowText)));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool ClickLabel::event(QEvent* event) {
    const bool handled = QLabel::event(event);
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Resize:
        case QEvent::FontChange:
        case QEvent::PaletteChange:
        case QEvent::EnabledChange:
        case QEvent::StyleChange:
            if (isVisible()) preparePicture();
            break;
        default:
            break;
    }
    return handled;
}

QString ClickLabel::pictureKey() const {
    return text() + QLatin1Char('\n') + font().key() + QLatin1Char('\n') +
           palette().color(QPalette::WindowText).name(QColor::HexArgb) +
           palette().color(QPalette::Window).name(QColor::HexArgb) +
           QStringLiteral("%1x%2@%3/%4/%5/%6")
               .arg(width())
               .arg(height())
               .arg(devicePixelRatio())
               .arg(int(alignment()))
               .arg(wordWrap())
               .arg(isEnabled());
}

void ClickLabel::drawText(QPainter& painter) const {
    if (autoFillBackground()) painter.fillRect(rect(), palette().color(backgroundRole()));
    painter.setFont(font());
    int flags = QStyle::visualAlignment(layoutDirection(), alignment());
    if (wordWrap()) flags |= Qt::TextWordWrap;
    style()->drawItemText(&painter, contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin())),
                          flags, palette(), isEnabled(), text(), foregroundRole());
}

void ClickLabel::preparePicture() {
    const QString key = pictureKey();
    if (key == pictureKey_ && !picture_.isNull()) return;
    static QHash<QString, QPixmap> drawnCaptions;
    if (const auto found = drawnCaptions.constFind(key); found != drawnCaptions.constEnd()) {
        picture_ = *found;
    } else {
        const qreal ratio = devicePixelRatio();
        QPixmap picture(size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        drawText(painter);
        painter.end();
        // A handful of captions at most, unless themes or scales keep changing.
        if (drawnCaptions.size() > 32) drawnCaptions.clear();
        drawnCaptions.insert(key, picture);
        picture_ = picture;
    }
    pictureKey_ = key;
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release over the caption, as with buttons.
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

void MultiLineBox::insertFromMimeData(const QMimeData* source) {
    if (source && !source->formats().isEmpty()) QPlainTextEdit::insertFromMimeData(source);
}

namespace Controls {

QString ShownCaption(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                shown += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

void SetCaption(QLabel* label, const QString& caption) {
    const QString shown = ShownCaption(caption);
    label->setText(shown);
    label->setAccessibleName(shown);
}

void Name(QWidget* control, const QString& name, const QString& accessibleName) {
    control->setObjectName(name);
    control->setAccessibleName(accessibleName);
}

void Paint(QWidget* widget, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

namespace {

double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

}  // namespace

double Contrast(const QColor& a, const QColor& b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor ReadableOn(const QColor& background, const QColor& preferred) {
    if (Contrast(background, preferred) >= 4.5) return preferred;
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return Contrast(background, black) >= Contrast(background, white) ? black : white;
}

QColor BackgroundBehind(const QWidget* control) {
    for (const QWidget* widget = control; widget; widget = widget->parentWidget()) {
        if (widget->autoFillBackground() || widget->isWindow()) return widget->palette().color(QPalette::Window);
    }
    return {};
}

void KeepApartFrom(QWidget* control, const QColor& background) {
    // Boxes (and a check box's mark) show their Base colour, buttons their
    // Button colour. 3 to 1 is what a control's edge needs to be made out,
    // or as much as the light theme the windows were drawn for gives it:
    // white boxes and Fusion's light grey buttons. (Not the style's own
    // standard palette: under a desktop's dark theme that is dark too.)
    const bool button = qobject_cast<QPushButton*>(control) != nullptr;
    const QPalette::ColorRole face = button ? QPalette::Button : QPalette::Base;
    const QPalette::ColorRole text = button ? QPalette::ButtonText : QPalette::Text;
    const QColor lightFace = button ? QColor(0xef, 0xef, 0xef) : QColor(0xff, 0xff, 0xff);
    if (Contrast(control->palette().color(face), background) >= std::min(3.0, Contrast(lightFace, background))) return;
    QPalette palette = control->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, face, QColor(255, 255, 255));
        palette.setColor(group, text, QColor(0, 0, 0));
    }
    palette.setColor(QPalette::Disabled, face, QColor(255, 255, 255));
    palette.setColor(QPalette::Disabled, text, QColor(128, 128, 128));
    control->setPalette(palette);
}

namespace {

class FocusRing final : public QObject {
public:
    explicit FocusRing(QWidget* control) : QObject(control), control_(control) {
        control->installEventFilter(this);
        control->parentWidget()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        QWidget* parent = control_->parentWidget();
        if (watched == control_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
            parent->update(ring());
        } else if (watched == parent && event->type() == QEvent::Paint && control_->hasFocus()) {
            // Painted over the parent's background, before its own paint.
            QPainter painter(parent);
            QPen pen(ReadableOn(BackgroundBehind(parent), control_->palette().color(QPalette::Highlight)));
            pen.setWidth(kWidth);
            painter.setPen(pen);
            painter.drawRect(ring().adjusted(kWidth / 2, kWidth / 2, -kWidth / 2, -kWidth / 2));
        }
        return false;
    }

private:
    static constexpr int kWidth = 2;
    QRect ring() const { return control_->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth); }

    QWidget* control_;
};

}  // namespace

void MarkFocusAround(QWidget* control) { new FocusRing(control); }

void GiveCaptionsRoom(QWidget* window) {
    // Containers take their size from the window's layout.
    if (QLayout* layout = window->layout()) layout->activate();
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QFontMetricsF metrics(label->font(), label);
        if (label->text().isEmpty() || label->height() >= 2 * metrics.lineSpacing()) continue;
        const qreal needed = metrics.horizontalAdvance(label->text()) + 2 * label->margin();
        if (needed <= label->width()) continue;
        // The room on the label's line between its neighbours.
        const QRect own = label->geometry();
        int left = 0;
        int right = label->parentWidget()->width();
        for (const QObject* child : label->parentWidget()->children()) {
            const auto* other = qobject_cast<const QWidget*>(child);
            if (!other || other == label || other->isWindow() || other->isHidden()) continue;
            const QRect rect = other->geometry();
            if (rect.bottom() < own.top() || rect.top() > own.bottom()) continue;
            if (rect.right() < own.left()) left = std::max(left, rect.right() + 1);
            if (rect.left() > own.right()) right = std::min(right, rect.left());
        }
        const int width = std::min(static_cast<int>(std::ceil(needed)), right - left);
        int x = own.left();
        if (label->alignment() & Qt::AlignHCenter) x = own.center().x() + 1 - width / 2;
        x = std::clamp(x, left, right - width);
        if (width > own.width()) label->setGeometry(x, own.top(), width, own.height());
    }
}

namespace {

// Runs a window's colour pinning again when what it was worked out from
// changes: the application's palette (a new theme brings one, shown or
// hidden windows alike) or the window's style.
class ReadableFollower final : public QObject {
public:
    ReadableFollower(QWidget* window, std::function<void()> apply) : QObject(window), apply_(std::move(apply)) {
        window->installEventFilter(this);
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool changed = watched == qApp ? event->type() == QEvent::ApplicationPaletteChange
                                             : event->type() == QEvent::StyleChange;
        // Once the change has reached every control: Qt hands it to the
        // widgets as posted events, which the window's may come before.
        if (changed) {
            QTimer::singleShot(0, this, [this] {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationPaletteChange);
                apply_();
            });
        }
        return false;
    }

private:
    std::function<void()> apply_;
};

}  // namespace

void KeepReadable(QWidget* window, const std::function<void()>& apply) {
    apply();
    new ReadableFollower(window, apply);
}

void KeepControlsApart(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractScrollArea*>(control) ||
            qobject_cast<QPushButton*>(control) || qobject_cast<QCheckBox*>(control)) {
            KeepApartFrom(control, BackgroundBehind(control->parentWidget()));
        }
    }
}

namespace {

void style(QLabel* label, const QString& name, const QString& caption, const QRect& rect,
           const Look& look) {
    const QString shown = ShownCaption(caption);
    Name(label, name, shown);
    // Plain text from the start: a text that could be taken for rich text
    // would otherwise get a document of its own, laid out at once.
    label->setTextFormat(Qt::PlainText);
    label->setText(shown);
    label->setGeometry(rect);
    label->setFont(Resources::Font(look.font));
    label->setAlignment(look.align | Qt::AlignTop);
    label->setWordWrap(true);
    label->setMargin(0);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, look.text);
    label->setPalette(palette);
    if (look.background) {
        Paint(label, *look.background);
    }
}

}  // namespace

QLabel* Label(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
              const Look& look) {
    auto* label = new QLabel(parent);
    style(label, name, caption, rect, look);
    return label;
}

ClickLabel* LinkLabel(QWidget* parent, const QString& name, const QString& caption,
                      const QRect& rect, const Look& look, const std::optional<QCursor>& pointer) {
    auto* label = new ClickLabel(parent);
    style(label, name, caption, rect, look);
    if (pointer) label->setCursor(*pointer);
    // A tab stop, as links are; a click does not take the keyboard away.
    // Given after the caption: a label that may take the keyboard when its
    // text is set gets a text document of its own at once, which would
    // slow every window down; now only one the keyboard reaches does.
    label->setFocusPolicy(Qt::TabFocus);
    return label;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
                    const Resources::FontStyle& font) {
    auto* button = new QPushButton(caption, parent);
    Name(button, name, ShownCaption(caption));
    button->setGeometry(rect);
    button->setFont(Resources::Font(font));
    // Enter presses a button that has the focus, as on the user's desktop;
    // no button here is a window's default button.
    button->setAutoDefault(true);
    return button;
}

QGroupBox* Frame(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
                 const QColor& background, const QColor& captionColour,
                 const Resources::FontStyle& font) {
    auto* frame = new QGroupBox(caption, parent);
    Name(frame, name, ShownCaption(caption));
    frame->setGeometry(rect);
    frame->setFont(Resources::Font(font));
    Paint(frame, background);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, captionColour);
    frame->setPalette(palette);
    return frame;
}

}  // namespace Controls

namespace Controls {
namespace {

// Where a frame of this size stands centred on the screen the window opens on.
QPoint centredFrame(const QWidget* window, const QSize& frame) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return window->pos();
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frame, screen->availableGeometry()).topLeft();
}

// The frame the window manager draws around windows (title bar and borders),
// as seen on another window that is already up; none before the first.
QMargins knownFrame(const QWidget* except) {
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other == except || !other->isVisible()) continue;
        const QRect frame = other->frameGeometry();
        const QRect inner = other->geometry();
        if (frame != inner) {
            return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                    frame.bottom() - inner.bottom()};
        }
    }
    return {};
}

// Once the window manager has framed the window, and so its title bar's
// height is known, centres the frame again if the guess was off; then leaves
// the window alone, wherever the user moves it.
class FrameCentring final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Move) return false;
        auto* window = static_cast<QWidget*>(watched);
        const QRect frame = window->frameGeometry();
        if (frame == window->geometry()) return false;  // not framed yet
        window->removeEventFilter(this);
        deleteLater();
        const QPoint centred = centredFrame(window, frame.size());
        if (frame.topLeft() != centred) window->move(centred);
        return false;
    }
};

}  // namespace

void SetClientSizeCentred(QWidget* window, const QSize& client) {
    QSize size = client;
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->menuWidget()) {
        size.rheight() += main->menuWidget()->sizeHint().height();
    }
    window->resize(size);
    // The frame, title bar included, is what stands centred; move() places
    // the frame, whose size is guessed from a window already up.
    const QMargins frame = knownFrame(window);
    window->move(centredFrame(window, size.grownBy(frame)));
    window->installEventFilter(new FrameCentring(window));
}

namespace {

class Style final : public QProxyStyle {
public:
    Style() : QProxyStyle(QStringLiteral("Fusion")) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
        if (icon != SP_ToolBarHorizontalExtensionButton) return QProxyStyle::standardIcon(icon, option, widget);
        // Two chevrons pointing on, as Qt's own picture shows.
        QPixmap chevron(16, 16);
        chevron.fill(Qt::transparent);
        QPainter painter(&chevron);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QApplication::palette().color(QPalette::ButtonText), 1.5));
        for (const int x : {4, 9}) painter.drawPolyline(QPolygonF({QPointF(x, 4), QPointF(x + 4, 8), QPointF(x, 12)}));
        return QIcon(chevron);
    }
};

}  // namespace

QStyle* ProgramStyle() { return new Style; }

void SetTitleBarBoxes(QWidget* window, bool minimizeBox) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
}

}  // namespace Controls
