#pragma once
// The result window: the five glyph pictures as a cross beside the reading.

#include "windows/WorkingWindow.h"

#include <QPixmap>

#include <array>

class ClickLabel;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTextEdit;

// The window's list of the twenty glyph pictures, numbered from 1.
class PictureList {
public:
    PictureList();
    const QPixmap& Picture(int number) const;
    int Count() const { return static_cast<int>(pictures_.size()); }

private:
    std::array<QPixmap, 20> pictures_;
};

class frmMayanTarotResult final : public WorkingWindow {
    Q_OBJECT
public:
    frmMayanTarotResult();
    ~frmMayanTarotResult() override;

    // Shows the main window again (built afresh), unloads this window
    // without the closing sequence and keeps the exit screen hidden.
    void Back();
    // Unloads this window; its close handling runs the closing sequence.
    void Exit();

    // Puts picture `number` of IMG into picture box `box`.
    void SetPicture(int box, int number);

    void setVisible(bool visible) override;

    ClickLabel* Label14;
    std::array<QLabel*, 5> imgMayanTarot;
    std::array<QLabel*, 5> lblImageName;
    QTextEdit* RTB;
    QPushButton* cmdExit;
    QPushButton* cmdBack;
    const PictureList IMG;

    QMenu* mnuFile;
    QAction* mnuPrint;
    QAction* mnuBack;
    QAction* mnuExit;

protected:
    void Unload() override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls(QWidget* client);
    void buildMenus();
    void connectHandlers();

    bool shownBefore_ = false;
};
