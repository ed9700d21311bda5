#include "windows/frmMayanTarotResult.h"

#include "engine/Catalogue.h"
#include "windows/shared/Controls.h"
#include "windows/shared/Forms.h"
#include "web/PageLinks.h"
#include "windows/shared/SilentStep.h"
#include "windows/shared/Twips.h"
#include "windows/frmMain.h"

#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

#include <stdexcept>

using namespace Resources;
using Controls::Look;
using Twips::Rect;

namespace {

// A picture box whose picture is stretched to it. QLabel would scale the
// picture afresh for every new window, which the first sight of each
// reading would wait for; the scaled pictures are kept for the run instead.
class GlyphBox final : public QLabel {
public:
    explicit GlyphBox(QWidget* parent) : QLabel(parent) { setScaledContents(true); }

    void SetGlyphPicture(const PictureList& pictures, int number) {
        setPixmap(pictures.Picture(number));
        number_ = number;
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (number_ == 0) return;
        const QRect box = contentsRect();
        const QPixmap picture = GlyphPicture(number_, box.size() * devicePixelRatio());
        if (!picture.isNull()) QPainter(this).drawPixmap(box, picture);
    }

private:
    int number_ = 0;
};

}  // namespace

PictureList::PictureList() {
    for (int number = 1; number <= Count(); ++number) {
        pictures_[static_cast<std::size_t>(number - 1)] = GlyphPicture(number);
    }
}

const QPixmap& PictureList::Picture(int number) const {
    if (number < 1 || number > Count()) throw std::out_of_range("no picture " + std::to_string(number));
    return pictures_[static_cast<std::size_t>(number - 1)];
}

frmMayanTarotResult::frmMayanTarotResult() : WorkingWindow(QStringLiteral("frmMayanTarotResult"), true) {
    buildControls(Client());
    buildMenus();
    connectHandlers();

    Controls::SetClientSizeCentred(this, Twips::Size(9795, 7515));
    Controls::GiveCaptionsRoom(this);
}

frmMayanTarotResult::~frmMayanTarotResult() { Forms::Unloaded(this); }

void frmMayanTarotResult::Unload() { Forms::Unloaded(this); }

void frmMayanTarotResult::buildControls(QWidget* client) {
    const FontStyle bold{.bold = true};
    const FontStyle link{.bold = true, .underline = true};

    // Clickable, but with the system's pointer: this window gives hands to
    // its sponsor captions only.
    Label14 = Controls::LinkLabel(client, QStringLiteral("Label14"),
                                  Text(QStringLiteral("forum-result")) + tr(" Click Here To Visit %1 Now").arg(SiteHost()),
                                  Rect(202, 30, 9390, 195), Look{Colour::kLightGrey, link, Qt::AlignHCenter});

    struct Place {
        int left, top;           // picture box
        int captionLeft, captionTop, captionWidth;
    };
    // Guide above Central, Occult below it, Challenge to its left, Ally to its right.
    constexpr std::array<Place, 5> places{{
        {2280, 360, 2685, 2160, 585},
        {600, 2400, 810, 4245, 975},
        {2280, 2400, 2610, 4245, 735},
        {3960, 2400, 4455, 4245, 405},
        {2280, 4590, 2670, 6390, 615},
    }};
    for (std::size_t k = 0; k < places.size(); ++k) {
        const Place& place = places[k];
        const QString caption = QString::fromStdString(modMayanTarot::Caption(static_cast<Position>(k)));
        auto* box = new GlyphBox(client);
        box->setObjectName(QStringLiteral("imgMayanTarot(%1)").arg(k));
        box->setGeometry(Rect(place.left, place.top, 1395, 1800));
        imgMayanTarot[k] = box;
        SetPicture(static_cast<int>(k), 1);
        lblImageName[k] = Controls::Label(client, QStringLiteral("lblImageName(%1)").arg(k), caption,
                                          Rect(place.captionLeft, place.captionTop, place.captionWidth, 195),
                                          Look{Colour::kBlack, bold, Qt::AlignHCenter});
    }

    RTB = new QTextEdit(client);
    Controls::Name(RTB, QStringLiteral("RTB"), tr("Reading"));
    RTB->setGeometry(Rect(6120, 360, 3615, 6255));
    RTB->setReadOnly(true);
    RTB->setAcceptRichText(true);
    RTB->setFont(Font({}));
    RTB->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Every reading is longer than the box: with its scroll bar there from
    // the start, the box lays the reading out once for its width, not again
    // each time the bar comes or goes.
    RTB->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RTB->setUndoRedoEnabled(false);
    Controls::MarkFocusAround(RTB);

    cmdExit = Controls::Button(client, QStringLiteral("cmdExit"), tr("E&xit"),
                               Rect(7560, 6905, 1005, 345));
    cmdBack = Controls::Button(client, QStringLiteral("cmdBack"), tr("&Back"),
                               Rect(8625, 6905, 1005, 345));

    BuildSponsorCaptions(Rect(30, 6650, 7185, 855));

    setTabOrder(RTB, cmdExit);
    setTabOrder(cmdExit, cmdBack);
    setTabOrder(cmdBack, Label14);
    setTabOrder(Label14, lblCobrand);
    setTabOrder(lblCobrand, lblFullBrand);
    Controls::KeepReadable(this, [this] {
        Controls::KeepControlsApart(this);
        // The captions take the system's text colour, unless a theme makes
        // it hard to read on the window's fixed blue.
        const QColor text = Controls::ReadableOn(Colour::kLightBlue, QApplication::palette().color(QPalette::WindowText));
        for (QLabel* caption : lblImageName) {
            if (caption->palette().color(QPalette::WindowText) == text) continue;
            QPalette palette = caption->palette();
            palette.setColor(QPalette::WindowText, text);
            caption->setPalette(palette);
        }
    });
}

void frmMayanTarotResult::buildMenus() {
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuPrint = AddNamedAction(mnuFile, QStringLiteral("mnuPrint"), tr("&Print"));
    mnuPrint->setVisible(false);  // switched off, like "Make Money Online"
    mnuBack = AddNamedAction(mnuFile, QStringLiteral("mnuBack"), tr("&Back"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    mnuExit = AddNamedAction(mnuFile, QStringLiteral("mnuExit"), tr("E&xit"));
    BuildHelpMenus(tr("Check for Software &Update"), QStringLiteral("mnuHelpSep1"),
                   QStringLiteral("mnuHelpSep2"));
}

void frmMayanTarotResult::connectHandlers() {
    connect(cmdBack, &QPushButton::clicked, this, [this] { Back(); });
    connect(mnuBack, &QAction::triggered, this, [this] { Back(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { Exit(); });
    connect(mnuExit, &QAction::triggered, this, [this] { Exit(); });
    OpenPageOn(Label14, &ClickLabel::clicked, modHelp::Page::HomePage);
}

void frmMayanTarotResult::SetPicture(int box, int number) {
    QLabel* picture = imgMayanTarot.at(static_cast<std::size_t>(box));
    static_cast<GlyphBox*>(picture)->SetGlyphPicture(IMG, number);
    // Named for those who cannot see it: "Guide: Blue Eagle (Men/Eagle)".
    const auto glyph = static_cast<Glyph>(number - 1);
    picture->setAccessibleName(tr("%1: %2 (%3)", "position: glyph name (sign label)")
                                   .arg(QString::fromStdString(modMayanTarot::Caption(static_cast<Position>(box))),
                                        QString::fromStdString(modMayanTarot::GlyphName(glyph)),
                                        QString::fromStdString(modMayanTarot::SignLabel(glyph))));
}

void frmMayanTarotResult::Back() {
    HandOverTo([]() -> QWidget* { return &Forms::Show<frmMain>(); });
}

void frmMayanTarotResult::Exit() { close(); }

void frmMayanTarotResult::setVisible(bool visible) {
    // The insertion point goes to the title before the box is shown: shown
    // with it at the end, the box would lay the whole reading out at once to
    // scroll there, and only then show the window.
    if (visible && !shownBefore_) RTB->moveCursor(QTextCursor::Start);
    WorkingWindow::setVisible(visible);
}

void frmMayanTarotResult::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The reading opens at its title, with the keyboard and the insertion
    // point there too, so that a screen reader reads it from the start.
    // Later showings (a restore after minimizing) keep the user's place.
    if (shownBefore_) return;
    shownBefore_ = true;
    RTB->verticalScrollBar()->setValue(0);
    RTB->setFocus();
}
