#pragma once
// The exit screen: shown when the user closes the working window. It asks
// for the user's support, points to the publisher's pages and offers the
// "Refer A Friend" form. Leaving it ends the program.

#include "windows/shared/Controls.h"

#include <array>

class ClickLabel;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class frmNagScreen2 final : public DialogWindow {
    Q_OBJECT
public:
    frmNagScreen2();
    ~frmNagScreen2() override;

    // Index of the support text shown (0 to 3), chosen at load.
    int SupportTextIndex() const { return supportIndex_; }
    // The message box's text, with the program's CR LF line breaks.
    QString MessageText() const;

    static QString SupportText(int index);

    QLabel* picNagscreen2Icon;
    QLabel* lblNagScreen2Caption;
    QLabel* Label2;
    QCheckBox* Check1;
    QPushButton* cmdClose;
    QGroupBox* Frame2;
    QLineEdit* txtName;
    QLineEdit* txtEmail;
    QLineEdit* txtFriendName;
    QLineEdit* txtFriendEmail;
    QPushButton* cmdSubmit;
    QPlainTextEdit* txtMessage;
    QGroupBox* Frame6;
    QLabel* Label3;
    ClickLabel* lblGoToHome;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void load();

    int supportIndex_ = 0;
};
