#include "windows/frmMain.h"

#include "engine/ReadingRoutine.h"
#include "import/NumerologyImport.h"
#include "web/modHelp.h"
#include "windows/shared/Controls.h"
#include "windows/shared/Forms.h"
#include "windows/shared/MessageBox.h"
#include "web/PageLinks.h"
#include "windows/ResultWindowTarget.h"
#include "windows/shared/SilentStep.h"
#include "windows/shared/Twips.h"
#include "windows/frmMayanTarotResult.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Resources;
using Controls::Look;
using Twips::Rect;

frmMain::frmMain() : WorkingWindow(QStringLiteral("frmMain"), false) {
    buildControls(Client());
    buildMenus();
    connectHandlers();

    Controls::SetClientSizeCentred(this, Twips::Size(7200, 4980));
    Controls::GiveCaptionsRoom(this);
    txtName->setFocus();
}

frmMain::~frmMain() { Forms::Unloaded(this); }

void frmMain::Unload() { Forms::Unloaded(this); }

void frmMain::buildControls(QWidget* client) {
    const FontStyle bold{.bold = true};
    const FontStyle link{.bold = true, .underline = true};

    Label61 = Controls::LinkLabel(
        client, QStringLiteral("Label61"),
        Text(QStringLiteral("forum-main")) + tr(" Visit %1 Now").arg(SiteHost()),
        Rect(1185, 60, 4830, 585), Look{Colour::kLightGrey, link, Qt::AlignHCenter});
    SetPointerAfterFirstPaint(Label61, &PlainHand);

    lblLabel[2] = Controls::Label(
        client, QStringLiteral("lblLabel(2)"),
        tr("Let the Mayan Glyphs help you solve your problems. Enter your problem and get an "
           "instant Yaxkelen reading!"),
        Rect(143, 750, 6915, 435), Look{Colour::kYellow, bold, Qt::AlignHCenter});

    Frame1 = Controls::Frame(client, QStringLiteral("Frame1"), tr("Personal Details"),
                             Rect(893, 1300, 5415, 2775), Colour::kLightBlue, Colour::kNavy, bold);
    lblLabel[0] = Controls::Label(Frame1, QStringLiteral("lblLabel(0)"), tr("Name"),
                                  Rect(180, 435, 555, 195), Look{Colour::kNavy, bold});
    txtName = new QLineEdit(Frame1);
    Controls::Name(txtName, QStringLiteral("txtName"), tr("Name"));
    txtName->setGeometry(Rect(1880, 360, 3375, 350));
    txtName->setFont(TypingFont());
    lblLabel[1] = Controls::Label(Frame1, QStringLiteral("lblLabel(1)"), tr("Describe the Problem"),
                                  Rect(180, 900, 2100, 195), Look{Colour::kNavy, bold});
    txtQuestion = new MultiLineBox(Frame1);
    Controls::Name(txtQuestion, QStringLiteral("txtQuestion"), tr("Describe the Problem"));
    txtQuestion->setGeometry(Rect(200, 1200, 5055, 855));
    txtQuestion->setFont(TypingFont());
    txtQuestion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtQuestion->setTabChangesFocus(true);
    cmdNext = Controls::Button(Frame1, QStringLiteral("cmdNext"), tr("&Get My Yaxkelen Reading"),
                               Rect(200, 2280, 5055, 350), bold);

    BuildSponsorCaptions(Rect(8, 4080, 7185, 855));

    // Below the client area at the opening size: seen once the window is made
    // taller, reached by Alt+O all the same.
    cmdOpen = Controls::Button(client, QStringLiteral("cmdOpen"), tr("&Open Previously Saved Reading"),
                               Rect(120, 5400, 6135, 375), FontStyle{.points = 9.75, .bold = true});

    fraBirthDay = Controls::Frame(client, QStringLiteral("fraBirthDay"), tr("* Birth Day"),
                                  Rect(1440, 5880, 3645, 885), Colour::kWhite, Colour::kDarkGrey, bold);
    const Look small{Colour::kBlack, FontStyle{.face = "MS Sans Serif"}};
    Label6 = Controls::Label(fraBirthDay, QStringLiteral("Label6"), tr("Month"),
                             Rect(120, 210, 510, 195), small);
    Label3 = Controls::Label(fraBirthDay, QStringLiteral("Label3"), tr("Date"),
                             Rect(1650, 210, 405, 195), small);
    Label7 = Controls::Label(fraBirthDay, QStringLiteral("Label7"), tr("Year"),
                             Rect(2610, 210, 390, 195), small);

    // The captions come after the controls, as the links of the window.
    setTabOrder(txtName, cmdNext);
    setTabOrder(cmdNext, cmdOpen);
    setTabOrder(cmdOpen, txtQuestion);
    setTabOrder(txtQuestion, Label61);
    setTabOrder(Label61, lblCobrand);
    setTabOrder(lblCobrand, lblFullBrand);
    Controls::KeepReadable(this, [this] { Controls::KeepControlsApart(this); });
}

void frmMain::buildMenus() {
    nuFile = menuBar()->addMenu(tr("&File"));
    nuFile->setObjectName(QStringLiteral("nuFile"));
    mnuExit = AddNamedAction(nuFile, QStringLiteral("mnuExit"), tr("E&xit"));
    BuildHelpMenus(tr("&Check for Software Update"), QStringLiteral("mnuFileSep1"),
                   QStringLiteral("mnuFileSep2"));
}

void frmMain::connectHandlers() {
    connect(cmdNext, &QPushButton::clicked, this, [this] { NextSequence(); });
    connect(cmdOpen, &QPushButton::clicked, this, [this] {
        RunStep([this] { NumerologyImport(CD, this, [this] { NextSequence(); }); });
    });
    connect(mnuExit, &QAction::triggered, this, [this] { close(); });
    OpenPageOn(Label61, &ClickLabel::clicked, modHelp::Page::HomePage);
}

bool frmMain::NameCheck() {
    if (!txtName->text().isEmpty()) return true;  // blanks alone pass
    ShowMessage(tr("Please Enter Your Name"), MessageIcon::Critical, MessageButtons::Ok, this);
    RunStep([this] { txtName->setFocus(); });
    return false;
}

void frmMain::NextSequence() {
    if (Leaving() || !NameCheck()) return;
    RunStep([] {
        ResultWindowTarget target;
        modMayanTarot::ComposeReading(target);
    });
    HandOverTo([]() -> QWidget* { return &Forms::Show<frmMayanTarotResult>(); });
}
