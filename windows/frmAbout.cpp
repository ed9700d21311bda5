#include "windows/frmAbout.h"

#include "windows/shared/Controls.h"
#include "windows/shared/MessageBox.h"
#include "web/PageLinks.h"
#include "windows/shared/Twips.h"

#include <QPushButton>

using namespace Resources;
using Controls::Look;
using Twips::Rect;

frmAbout::frmAbout(QWidget* caller) : QDialog(caller) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kWindowTitle);
    setWindowIcon(ApplicationIcon());
    // A fixed dialog with a close box only; as the caller's dialog it gets no
    // task-bar button of its own.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFont(Font({}));
    Controls::Paint(this, Colour::kLightBlue);

    Picture1 = new QLabel(this);
    Controls::Name(Picture1, QStringLiteral("Picture1"), kApplicationTitle);
    Picture1->setGeometry(Rect(120, 30, 480, 480));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(ApplicationPicture());

    Label2 = Controls::Label(this, QStringLiteral("Label2"), kWindowTitle, Rect(690, 165, 5250, 345),
                             Look{Colour::kNavy, FontStyle{.points = 14.25, .bold = true}});
    Label1 = Controls::Label(
        this, QStringLiteral("Label1"),
        tr("KV Yaxkelen Reading is a divinatory software that gives your tarot reading with the help "
           "of the Mayan Astrology glyphs. The different directions have different significances in "
           "the generated reading. This reading can help your prepare yourself to face life with a "
           "confidence.") + QLatin1Char(' ') +
            Text(QStringLiteral("rights")),
        Rect(120, 510, 6795, 1065), Look{Colour::kMidBlue});
    lblHomePage = Controls::LinkLabel(this, QStringLiteral("lblHomePage"),
                                      tr("Click here to visit %1").arg(SiteHost()),
                                      Rect(2865, 1575, 4050, 195),
                                      Look{Colour::kWhite, FontStyle{.underline = true}}, ShadedHand());
    Label3 = Controls::Label(this, QStringLiteral("Label3"),
                             tr("Home Business Opportunity. Start your own Internet business and make "
                                "money online. Get this software fully branded for your website."),
                             Rect(120, 1890, 6795, 435), Look{Colour::kNavy, FontStyle{.bold = true}});
    lblCoBrand = Controls::LinkLabel(this, QStringLiteral("lblCoBrand"), tr("Click here for more details"),
                                     Rect(4620, 2325, 2295, 195), Look{Colour::kWhite, FontStyle{.underline = true}},
                                     ShadedHand());

    // A black rule running past both side edges.
    Line1 = new QFrame(this);
    Controls::Name(Line1, QStringLiteral("Line1"), QString());
    const QPoint from = Twips::Point(-60, 2670);
    const QPoint to = Twips::Point(7680, 2670);
    Line1->setGeometry(from.x(), from.y(), to.x() - from.x(), 1);
    Controls::Paint(Line1, Colour::kBlack);

    cmdOK = Controls::Button(this, QStringLiteral("cmdOK"), tr("OK"), Rect(5655, 2760, 1260, 345));
    cmdOK->setAutoDefault(true);
    cmdOK->setDefault(true);  // Enter; Esc rejects the dialog
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    OpenPageOn(lblHomePage, &ClickLabel::clicked, modHelp::Page::HomePage);
    OpenPageOn(lblCoBrand, &ClickLabel::clicked, modHelp::Page::FullyBranded);

    setTabOrder(cmdOK, lblHomePage);
    setTabOrder(lblHomePage, lblCoBrand);
    Controls::KeepReadable(this, [this] { Controls::KeepControlsApart(this); });

    setFixedSize(Twips::Size(7065, 3165));
    Controls::SetClientSizeCentred(this, Twips::Size(7065, 3165));
    Controls::GiveCaptionsRoom(this);
    cmdOK->setFocus();
}

void frmAbout::ShowModal(QWidget* caller) {
    frmAbout about(caller);
    about.exec();
}
