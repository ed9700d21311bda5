#pragma once
// The about window: the program's title, what it does, and two links.

#include <QDialog>

class ClickLabel;
class QFrame;
class QLabel;
class QPushButton;

class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* caller);

    // Builds the window afresh and shows it modally over the calling window.
    static void ShowModal(QWidget* caller);

    QLabel* Picture1;
    QLabel* Label2;
    QLabel* Label1;
    ClickLabel* lblHomePage;
    QLabel* Label3;
    ClickLabel* lblCoBrand;
    QFrame* Line1;
    QPushButton* cmdOK;
};
