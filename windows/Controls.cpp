#include "windows/Controls.h"

#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>

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

void style(QLabel* label, const QString& name, const QString& caption, const QRect& rect,
           const Look& look) {
    const QString shown = ShownCaption(caption);
    Name(label, name, shown);
    label->setText(shown);
    label->setTextFormat(Qt::PlainText);
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
                      const QRect& rect, const Look& look, const QCursor& pointer) {
    auto* label = new ClickLabel(parent);
    style(label, name, caption, rect, look);
    label->setCursor(pointer);
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

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

namespace Controls {

void SetClientSizeCentred(QWidget* window, const QSize& client) {
    QSize size = client;
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->menuWidget()) {
        size.rheight() += main->menuWidget()->sizeHint().height();
    }
    window->resize(size);
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size,
                                                screen->availableGeometry()));
    }
}

void SetTitleBarBoxes(QWidget* window, bool minimizeBox) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
}

}  // namespace Controls
