#pragma once
// The main window: the user types a name (and a problem, if he likes) and
// asks for a reading.

#include "windows/shared/CommonDialog.h"

#include "windows/WorkingWindow.h"

#include <array>

class ClickLabel;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

class frmMain final : public WorkingWindow {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // Yes when the name box is not empty; otherwise tells the user and puts
    // the focus back into the name box.
    bool NameCheck();
    // Name check, reading, result window shown, this window closed, exit
    // screen hidden. Run by the reading button and by the file import.
    void NextSequence();

    // Controls, owned by the window.
    ClickLabel* Label61;
    std::array<QLabel*, 3> lblLabel;
    QGroupBox* Frame1;
    QLineEdit* txtName;
    QPlainTextEdit* txtQuestion;
    QPushButton* cmdNext;
    QPushButton* cmdOpen;
    QGroupBox* fraBirthDay;
    QLabel* Label6;
    QLabel* Label3;
    QLabel* Label7;
    CommonDialog CD;

    QMenu* nuFile;
    QAction* mnuExit;

protected:
    void Unload() override;

private:
    void buildControls(QWidget* client);
    void buildMenus();
    void connectHandlers();
};
