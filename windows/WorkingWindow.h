#pragma once
// What the two working windows (main and result) have in common: their
// frame and colours, the sponsor captions at the bottom, the "Help" menu
// with "Donate", and their close handling, which hands over to the exit
// screen unless the window closes to make way for the other working window.

#include <QCursor>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <utility>
#include <vector>

class ClickLabel;
class QAction;
class QGroupBox;
class QMenu;
class QRect;

class WorkingWindow : public QMainWindow {
    Q_OBJECT
public:
    // The sponsor frame, its two captions (co-brand in front), and the menus.
    QGroupBox* fraFullBrand = nullptr;
    ClickLabel* lblCobrand = nullptr;
    ClickLabel* lblFullBrand = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnuMakeMoney = nullptr;

    // Brings one sponsor caption to the front; the other, covered, is
    // hidden, so that neither the keyboard nor a screen reader finds it.
    void ShowSponsor(ClickLabel* front);

protected:
    WorkingWindow(const QString& name, bool minimizeBox);

    // The client area below the menu bar, where the layout places controls.
    QWidget* Client() const { return centralWidget(); }

    // Builds the sponsor captions in their frame.
    void BuildSponsorCaptions(const QRect& frame);
    // Adds the "Help" menu, "Donate" and the switched-off "Make Money Online"
    // after the menus already on the bar.
    void BuildHelpMenus(const QString& updateCaption, const QString& firstSeparator,
                        const QString& secondSeparator);
    // A menu entry with its name.
    static QAction* AddNamedAction(QMenu* menu, const QString& name, const QString& caption);

    // Hands the run to the other working window, which `showNext` shows:
    // this window closes (without the exit screen) only once the other is
    // on the screen, so the user is never left without one; the exit
    // screen stays hidden.
    void HandOverTo(const std::function<QWidget*()>& showNext);

    // Gives a clickable caption its custom pointer. Like the window's icon,
    // the pointer is put in place right after the window's first paint: the
    // pictures need the image decoders, which would otherwise delay the
    // first sight of the window, and neither can be seen before it.
    void SetPointerAfterFirstPaint(QWidget* control, QCursor (*pointer)());

    // Whether the window is on its way out: it then starts nothing new.
    bool Leaving() const { return !wayOut_.isNull(); }

    // The window no longer counts as loaded.
    virtual void Unload() = 0;

    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void finishDressing();
    // The window's way out, begun on the first call: from then on it takes
    // no input. What waits for its going lives as long as the way out.
    QObject* leave();
    // Drops the way out: the window stays after all.
    void stay();

    bool handingOver_ = false;
    bool leaving_ = false;  // for the exit screen, once it is on the screen
    bool dressed_ = false;
    QPointer<QObject> wayOut_;
    std::vector<std::pair<QPointer<QWidget>, QCursor (*)()>> pointers_;
};
