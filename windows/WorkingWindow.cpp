#include "windows/WorkingWindow.h"

#include "windows/Closing.h"
#include "windows/shared/Controls.h"
#include "windows/shared/Forms.h"
#include "windows/shared/Quit.h"
#include "web/PageLinks.h"
#include "windows/shared/SilentStep.h"
#include "windows/shared/Twips.h"
#include "windows/frmAbout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

using namespace Resources;

namespace {

// Runs `then` once `window` is on the screen, at once if it already is. A
// window manager maps a new window in its own time, and a busy one (as
// openbox is while it reloads the keyboard map) may take seconds; until it
// has, the window that leaves would leave the user with none.
class OnScreenWatch final : public QObject {
public:
    OnScreenWatch(QWindow* window, QObject* context, std::function<void()> then)
        : QObject(context), window_(window), then_(std::move(then)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Expose) {
            // Queued: the window paints its first frame before the other goes.
            QTimer::singleShot(0, this, [this] {
                if (!then_ || !window_ || !window_->isExposed()) return;
                window_->removeEventFilter(this);
                const std::function<void()> then = std::move(then_);
                deleteLater();
                then();
            });
        }
        return false;
    }

private:
    QPointer<QWindow> window_;
    std::function<void()> then_;
};

// A window's way out, from the moment it is asked to go until it has gone:
// what waits for the window that follows belongs to it, and while it lasts
// the window takes no input. A command started there (the import's file
// dialog, About, a message) would run its own event loop, in which the
// window could be closed and deleted beneath it. Closing it again stays
// possible. Should the window be handed the run back meanwhile, its way
// out is dropped whole.
class WayOut final : public QObject {
public:
    explicit WayOut(QWidget* window) : QObject(window), window_(window) {
        qApp->installEventFilter(this);
        // An access key clicks its button a moment later, from a timer of
        // the button's own: a click already on its way is dropped too.
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (button->window() == window && !button->signalsBlocked()) {
                button->blockSignals(true);
                held_.emplace_back(button);
            }
        }
    }
    ~WayOut() override {
        for (const QPointer<QAbstractButton>& button : held_) {
            if (button) button->blockSignals(false);
        }
    }
    WayOut(const WayOut&) = delete;
    WayOut& operator=(const WayOut&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!Held(event->type()) || !watched->isWidgetType()) return false;
        // The window and its menus; a dialog of its own still takes input.
        for (const QWidget* widget = static_cast<QWidget*>(watched); widget; widget = widget->parentWidget()) {
            if (widget == window_) {
                // Taken as handled, so that no shortcut acts on it either.
                event->accept();
                return true;
            }
            if (widget->isWindow() && widget->windowType() != Qt::Popup) return false;
        }
        return false;
    }

private:
    static bool Held(QEvent::Type type) {
        switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::InputMethod:
        case QEvent::Drop:
            return true;
        default:
            return false;
        }
    }

    const QWidget* window_;
    std::vector<QPointer<QAbstractButton>> held_;
};

bool OnScreen(const QWidget* window) {
    const QWindow* handle = window ? window->windowHandle() : nullptr;
    return !handle || handle->isExposed();
}

// Runs `then` once no dialog runs an event loop of its own: a window closed
// inside that loop would be deleted beneath the dialog and the command that
// opened it. The program's dialogs live as long as their command.
void WhenNoDialog(QObject* context, const std::function<void()>& then) {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) {
        then();
        return;
    }
    QObject::connect(dialog, &QObject::destroyed, context, [context, then] { WhenNoDialog(context, then); },
                     Qt::QueuedConnection);
}

void WhenOnScreen(QWidget* window, QObject* context, std::function<void()> then) {
    if (OnScreen(window)) {
        then();
        return;
    }
    new OnScreenWatch(window->windowHandle(), context, std::move(then));
}

}  // namespace

WorkingWindow::WorkingWindow(const QString& name, bool minimizeBox) {
    Forms::MakeUnloadable(this);
    setObjectName(name);
    setWindowTitle(kWindowTitle);
    Controls::SetTitleBarBoxes(this, minimizeBox);
    setFont(Font({}));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    Controls::Paint(client, Colour::kLightBlue);
    setCentralWidget(client);
    menuBar()->setObjectName(QStringLiteral("menuBar"));
}

void WorkingWindow::BuildSponsorCaptions(const QRect& frame) {
    fraFullBrand = Controls::Frame(Client(), QStringLiteral("fraFullBrand"), QString(), frame, Colour::kLightBlue,
                                   Colour::kNavy);
    fraFullBrand->setAccessibleName(tr("Sponsor offers"));
    const Controls::Look look{Colour::kLightGrey, FontStyle{.bold = true, .underline = true}, Qt::AlignHCenter,
                              Colour::kLightBlue};
    // Created back to front: the co-brand caption lies in front.
    lblFullBrand = Controls::LinkLabel(
        fraFullBrand, QStringLiteral("lblFullBrand"),
        tr("Home Business Opportunity. Start your own Internet business and make money online. "
           "Get this software fully branded for your website. Click here for more details."),
        Twips::Rect(120, 165, 6945, 615), look);
    lblCobrand = Controls::LinkLabel(
        fraFullBrand, QStringLiteral("lblCobrand"),
        tr("Co-brand this software for your site.  Increase loyalty and traffic to your site. "
           "Put your site's name &&  link here. See \"Help\" for details.    Click Here for more "
           "info on co-branding."),
        Twips::Rect(120, 160, 6945, 615), look);
    ShowSponsor(lblCobrand);
    SetPointerAfterFirstPaint(lblFullBrand, &ShadedHand);
    SetPointerAfterFirstPaint(lblCobrand, &PlainHand);
    OpenPageOn(lblCobrand, &ClickLabel::clicked, modHelp::Page::CoBrand);
    OpenPageOn(lblFullBrand, &ClickLabel::clicked, modHelp::Page::FullyBranded);
}

void WorkingWindow::ShowSponsor(ClickLabel* front) {
    ClickLabel* behind = front == lblCobrand ? lblFullBrand : lblCobrand;
    front->raise();
    front->show();
    behind->hide();
}

QAction* WorkingWindow::AddNamedAction(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void WorkingWindow::BuildHelpMenus(const QString& updateCaption, const QString& firstSeparator,
                                   const QString& secondSeparator) {
    using modHelp::Page;
    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline = AddNamedAction(mnuHelp, QStringLiteral("mnuOnline"), tr("&Online Help"));
    mnuVisit = AddNamedAction(mnuHelp, QStringLiteral("mnuVisit"), tr("&Visit Us Online"));
    mnuHelp->addSeparator()->setObjectName(firstSeparator);
    mnuUpdate = AddNamedAction(mnuHelp, QStringLiteral("mnuUpdate"), updateCaption);
    mnuHelp->addSeparator()->setObjectName(secondSeparator);
    mnuAbout = AddNamedAction(mnuHelp, QStringLiteral("mnuAbout"), tr("&About Software"));

    // A command on the bar itself.
    mnuDonate = menuBar()->addAction(tr("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    // Switched off and never switched on, so it is left off the bar: the
    // bar would claim its access key even hidden, and Alt+O belongs to the
    // main window's import button.
    mnuMakeMoney = new QAction(tr("Make Money &Online"), this);
    mnuMakeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    mnuMakeMoney->setVisible(false);

    OpenPageOn(mnuOnline, &QAction::triggered, Page::HelpWebPage);
    OpenPageOn(mnuVisit, &QAction::triggered, Page::HomePage);
    OpenPageOn(mnuUpdate, &QAction::triggered, Page::DownloadWebPage);
    OpenPageOn(mnuDonate, &QAction::triggered, Page::Donate);
    OpenPageOn(mnuMakeMoney, &QAction::triggered, Page::FullyBranded);
    connect(mnuAbout, &QAction::triggered, this, [this] { RunStep([this] { frmAbout::ShowModal(this); }); });
}

void WorkingWindow::SetPointerAfterFirstPaint(QWidget* control, QCursor (*pointer)()) {
    pointers_.emplace_back(control, pointer);
}

bool WorkingWindow::event(QEvent* event) {
    if (!dressed_ && event->type() == QEvent::Paint) {
        dressed_ = true;
        // Queued, so that it runs once the first frame is on the screen.
        QTimer::singleShot(0, this, [this] { finishDressing(); });
    }
    return QMainWindow::event(event);
}

void WorkingWindow::finishDressing() {
    RunStep([this] { setWindowIcon(ApplicationIcon()); });
    for (const auto& [control, pointer] : pointers_) {
        if (control) RunStep([&] { control->setCursor(pointer()); });
    }
    pointers_.clear();
}

void WorkingWindow::HandOverTo(const std::function<QWidget*()>& showNext) {
    if (Leaving()) return;
    QWidget* next = nullptr;
    RunStep([&] { next = showNext(); });
    if (!next || !next->isVisible()) return;
    // Handed the run back before it had gone, the other window stays.
    if (auto* other = qobject_cast<WorkingWindow*>(next)) other->stay();
    WhenOnScreen(next, leave(), [this] {
        WhenNoDialog(wayOut_, [this] {
            if (!isVisible()) return;  // already handed over
            RunStep([this] {
                handingOver_ = true;
                close();
            });
            RunStep([] { HideExitScreen(); });
        });
    });
}

QObject* WorkingWindow::leave() {
    if (!wayOut_) wayOut_ = new WayOut(this);
    return wayOut_;
}

void WorkingWindow::stay() {
    delete wayOut_;
    leaving_ = false;
}

void WorkingWindow::closeEvent(QCloseEvent* event) {
    // A close is never refused. Any close but a hand-over, or the program
    // ending, passes the run to the exit screen; should that not come up,
    // the run ends here rather than going on without a window. The close
    // waits until the exit screen is on the screen; asked again meanwhile,
    // the window goes at once.
    const bool toExitScreen = !handingOver_ && !leaving_ && !ApplicationEnded();
    const bool exitScreenUp = toExitScreen && RunStep([] { ShowExitScreen(); }) && ExitScreenVisible();
    if (exitScreenUp && !OnScreen(ExitScreen())) {
        event->ignore();
        leaving_ = true;
        WhenOnScreen(ExitScreen(), leave(), [this] {
            WhenNoDialog(wayOut_, [this] {
                if (isVisible()) RunStep([this] { close(); });
            });
        });
        return;
    }
    event->accept();
    Unload();
    if (toExitScreen && !exitScreenUp) QuitApplication();
}
