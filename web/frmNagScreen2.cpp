#include "web/frmNagScreen2.h"

#include "engine/Random.h"
#include "web/modHelp.h"
#include "web/modTellAFriend.h"
#include "windows/shared/Controls.h"
#include "windows/shared/Forms.h"
#include "windows/shared/MessageBox.h"
#include "windows/shared/Quit.h"
#include "web/PageLinks.h"
#include "windows/shared/SilentStep.h"
#include "windows/shared/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <cmath>

using namespace Resources;
using Controls::Look;
using Twips::Rect;

namespace {

struct Placeholder {
    const char* name;
    const char* text;
};


QLineEdit* lineEdit(QWidget* parent, const QString& name, const QString& placeholder, const QRect& rect) {
    auto* box = new QLineEdit(placeholder, parent);
    Controls::Name(box, name, placeholder);
    box->setGeometry(rect);
    box->setFont(TypingFont());
    return box;
}

QString plainText(const QWidget* box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) return line->text();
    return static_cast<const QPlainTextEdit*>(box)->toPlainText();
}

void setPlainText(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
    } else {
        static_cast<QPlainTextEdit*>(box)->setPlainText(text);
    }
}

// Ticked by a click anywhere in its rectangle, not only on its mark and
// caption: the hand pointer over all of it promises as much.
class WholeAreaCheckBox final : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// Focus that moves between the screen's own controls, as opposed to a
// popup, a message box or another window taking it for a while: only the
// former empties or restores a placeholder.
bool movedByUser(const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

frmNagScreen2::frmNagScreen2() {
    Forms::MakeUnloadable(this);
    setObjectName(QStringLiteral("frmNagScreen2"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(Font({}));
    Controls::Paint(this, Colour::kWhite);
    buildControls();
    setFixedSize(Twips::Size(11115, 4725));
    Controls::SetClientSizeCentred(this, Twips::Size(11115, 4725));
    Controls::GiveCaptionsRoom(this);
    load();
}

frmNagScreen2::~frmNagScreen2() { Forms::Unloaded(this); }

void frmNagScreen2::buildControls() {
    picNagscreen2Icon = new QLabel(this);
    Controls::Name(picNagscreen2Icon, QStringLiteral("picNagscreen2Icon"), kApplicationTitle);
    picNagscreen2Icon->setGeometry(Rect(360, 120, 540, 540));
    picNagscreen2Icon->setAlignment(Qt::AlignCenter);

    // The title grows to its caption, set at load.
    lblNagScreen2Caption = Controls::Label(this, QStringLiteral("lblNagScreen2Caption"), QString(),
                                           Rect(1080, 240, 720, 435),
                                           Look{Colour::kBlack, FontStyle{.points = 18, .face = "MS Sans Serif"}});
    lblNagScreen2Caption->setWordWrap(false);

    Label2 = Controls::Label(this, QStringLiteral("Label2"), QString(), Rect(120, 840, 6975, 1095),
                             Look{Colour::kBlack, FontStyle{.points = 9.75, .bold = true}});

    Check1 = new WholeAreaCheckBox(Text(QStringLiteral("visit-forum")), this);
    Controls::Name(Check1, QStringLiteral("Check1"), Controls::ShownCaption(Check1->text()));
    Check1->setGeometry(Rect(30, 2040, 7185, 555));
    Check1->setFont(Font(FontStyle{.points = 14.25}));
    {
        QPalette palette = Check1->palette();
        palette.setColor(QPalette::WindowText, Colour::kMidBlue);
        Check1->setPalette(palette);
    }
    Check1->setCursor(ShadedHand());

    cmdClose = Controls::Button(this, QStringLiteral("cmdClose"), tr("E&xit"), Rect(6000, 2760, 1245, 375));

    const FontStyle frameCaption{.points = 9.75, .bold = true};
    Frame2 = Controls::Frame(this, QStringLiteral("Frame2"), tr("Refer A Friend"),
                             Rect(120, 3240, 7065, 1455), Colour::kNavy, Colour::kWhite, frameCaption);
    txtName = lineEdit(Frame2, QStringLiteral("txtName"), modTellAFriend::YourName(), Rect(85, 360, 3375, 285));
    txtEmail = lineEdit(Frame2, QStringLiteral("txtEmail"), modTellAFriend::YourEmail(),
                        Rect(3600, 360, 3375, 285));
    txtFriendName =
        lineEdit(Frame2, QStringLiteral("txtFriendName"), modTellAFriend::FriendsName(), Rect(85, 720, 3375, 285));
    txtFriendEmail = lineEdit(Frame2, QStringLiteral("txtFriendEmail"), modTellAFriend::FriendsEmail(),
                              Rect(3600, 720, 3375, 285));
    cmdSubmit = Controls::Button(Frame2, QStringLiteral("cmdSubmit"), tr("Refer A Friend &Now"),
                                 Rect(1920, 1080, 3375, 285));
    // Below the frame's visible area: reached only with the Tab key.
    txtMessage = new MultiLineBox(modTellAFriend::YourMessage() + QStringLiteral("\n"), Frame2);
    Controls::Name(txtMessage, QStringLiteral("txtMessage"), modTellAFriend::YourMessage());
    txtMessage->setGeometry(Rect(4800, 3600, 1815, 495));
    txtMessage->setFont(TypingFont());
    txtMessage->setTabChangesFocus(true);

    Frame6 = Controls::Frame(this, QStringLiteral("Frame6"), tr("Download Tessivane"),
                             Rect(7320, 120, 3735, 4575), Colour::kNavy, Colour::kWhite, frameCaption);
    Label3 = Controls::Label(Frame6, QStringLiteral("Label3"), Text(QStringLiteral("tessivane")),
                             Rect(120, 360, 3495, 3855), Look{Colour::kWhite, FontStyle{.points = 9}});
    lblGoToHome = Controls::LinkLabel(Frame6, QStringLiteral("lblGoToHome"),
                                      tr("Click Here To Visit Tessivane"), Rect(75, 4250, 3585, 210),
                                      Look{Colour::kYellow, FontStyle{.points = 9, .bold = true, .underline = true}},
                                      ShadedHand());

    setTabOrder(cmdClose, Check1);
    setTabOrder(Check1, txtName);
    setTabOrder(txtName, txtEmail);
    setTabOrder(txtEmail, txtFriendName);
    setTabOrder(txtFriendName, txtFriendEmail);
    setTabOrder(txtFriendEmail, cmdSubmit);
    setTabOrder(cmdSubmit, txtMessage);
    setTabOrder(txtMessage, lblGoToHome);
    Controls::KeepReadable(this, [this] { Controls::KeepControlsApart(this); });

    for (QWidget* box : {static_cast<QWidget*>(txtName), static_cast<QWidget*>(txtEmail),
                         static_cast<QWidget*>(txtFriendName), static_cast<QWidget*>(txtFriendEmail),
                         static_cast<QWidget*>(txtMessage)}) {
        box->installEventFilter(this);
    }

    connect(cmdClose, &QPushButton::clicked, this, [] { QuitApplication(); });
    connect(cmdSubmit, &QPushButton::clicked, this,
            [this] {
                RunStep([this] {
                    modTellAFriend::SendReferral({txtName->text(), txtEmail->text(), MessageText(),
                                                  txtFriendName->text(), txtFriendEmail->text()},
                                                 this);
                });
            });
    // However it is ticked (a click, Space, a screen reader's "toggle"), the
    // box never stays ticked: a tick opens the page once.
    connect(Check1, &QCheckBox::toggled, this, [this](bool ticked) {
        if (!ticked) return;
        RunStep([this] { Check1->setChecked(false); });
        RunStep([] { modHelp::OpenPage(modHelp::Page::HomePage); });
    });
    OpenPageOn(lblGoToHome, &ClickLabel::clicked, modHelp::Page::Tessivane);
}

void frmNagScreen2::load() {
    RunStep([this] {
        setWindowTitle(kWindowTitle);
        Controls::SetCaption(lblNagScreen2Caption, kWindowTitle);
        lblNagScreen2Caption->adjustSize();
    });
    RunStep([this] {
        setWindowIcon(ApplicationIcon());
        picNagscreen2Icon->setPixmap(ApplicationPicture());
    });
    RunStep([this] {
        Random::SeedFromClock();
        const float r = Random::Next();
        supportIndex_ = static_cast<int>(std::floor(static_cast<double>(r) * 4.0));
        Controls::SetCaption(Label2, SupportText(supportIndex_));
    });
    RunStep([this] {
        // Stays above other programs' windows whenever it is visible; it is
        // not shown, moved or activated by this.
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    });
}

QString frmNagScreen2::SupportText(int index) {
    return Text(QStringLiteral("support-%1").arg(index));
}

QString frmNagScreen2::MessageText() const {
    QString text = txtMessage->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

bool frmNagScreen2::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QWidget*>(watched);
    if (!box) return QWidget::eventFilter(watched, event);
    const QString placeholder = box->accessibleName();
    switch (event->type()) {
        case QEvent::FocusIn:
            // Emptied just after the focus has been announced: emptied at
            // once, the change would reach a screen reader first, which
            // would then pass over the box without naming it.
            if (movedByUser(event)) {
                QTimer::singleShot(0, box, [box, placeholder] {
                    if (box->hasFocus() && modTellAFriend::TrimBlanks(plainText(box)) == placeholder) {
                        setPlainText(box, QString());
                    }
                });
            }
            break;
        case QEvent::FocusOut:
            if (movedByUser(event) && modTellAFriend::TrimBlanks(plainText(box)).isEmpty()) {
                setPlainText(box, placeholder);
            }
            break;
        case QEvent::KeyPress:
            if ((box == txtEmail || box == txtFriendEmail) &&
                static_cast<QKeyEvent*>(event)->text() == QStringLiteral(" ")) {
                ShowMessage(tr("Email Address Cannot Contain Space"), MessageIcon::Critical,
                            MessageButtons::Ok, this);
                // Back to the box, with its window active again: not every
                // desktop hands the activation back when a message closes.
                activateWindow();
                box->setFocus();
                return true;  // the blank is discarded
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmNagScreen2::closeEvent(QCloseEvent* event) {
    // Leaving the exit screen, by "Exit" or its close box, ends the program.
    event->accept();
    Forms::Unloaded(this);
    QuitApplication();
}
