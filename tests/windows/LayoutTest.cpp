// Every control of every window where its layout puts it, in the face and
// colour it is drawn in.
#include "tests/support/QtPrinters.h"
#include "tests/support/WindowTest.h"
#include "windows/shared/Twips.h"
#include "windows/frmAbout.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <cmath>
#include <optional>

namespace {

struct Expected {
    const char* window;
    const char* control;
    int left, top, width, height;  // twips, relative to the client area or frame
    double points;
    bool bold;
    bool underline;
    std::optional<QColor> text{};
};

const QColor kGrey{224, 224, 224};
const QColor kNavy{0, 0, 128};
const QColor kWhite{255, 255, 255};
const QColor kYellow{255, 255, 0};
const QColor kMidBlue{0, 0, 192};

const Expected kLayout[] = {
    {"frmMain", "Label61", 1185, 60, 4830, 585, 8.25, true, true, kGrey},
    {"frmMain", "lblLabel(2)", 143, 750, 6915, 435, 8.25, true, false, kYellow},
    {"frmMain", "Frame1", 893, 1300, 5415, 2775, 8.25, true, false, kNavy},
    {"frmMain", "lblLabel(0)", 180, 435, 555, 195, 8.25, true, false, kNavy},
    {"frmMain", "txtName", 1880, 360, 3375, 350, 8.25, false, false},
    {"frmMain", "lblLabel(1)", 180, 900, 2100, 195, 8.25, true, false, kNavy},
    {"frmMain", "txtQuestion", 200, 1200, 5055, 855, 8.25, false, false},
    {"frmMain", "cmdNext", 200, 2280, 5055, 350, 8.25, true, false},
    {"frmMain", "fraFullBrand", 8, 4080, 7185, 855, 8.25, false, false},
    {"frmMain", "lblCobrand", 120, 160, 6945, 615, 8.25, true, true, kGrey},
    {"frmMain", "lblFullBrand", 120, 165, 6945, 615, 8.25, true, true, kGrey},
    {"frmMain", "cmdOpen", 120, 5400, 6135, 375, 9.75, true, false},
    {"frmMain", "fraBirthDay", 1440, 5880, 3645, 885, 8.25, true, false, QColor(64, 64, 64)},
    {"frmMain", "Label6", 120, 210, 510, 195, 8.25, false, false, Qt::black},
    {"frmMain", "Label3", 1650, 210, 405, 195, 8.25, false, false, Qt::black},
    {"frmMain", "Label7", 2610, 210, 390, 195, 8.25, false, false, Qt::black},

    {"frmMayanTarotResult", "Label14", 202, 30, 9390, 195, 8.25, true, true, kGrey},
    {"frmMayanTarotResult", "imgMayanTarot(0)", 2280, 360, 1395, 1800, 8.25, false, false},
    {"frmMayanTarotResult", "imgMayanTarot(1)", 600, 2400, 1395, 1800, 8.25, false, false},
    {"frmMayanTarotResult", "imgMayanTarot(2)", 2280, 2400, 1395, 1800, 8.25, false, false},
    {"frmMayanTarotResult", "imgMayanTarot(3)", 3960, 2400, 1395, 1800, 8.25, false, false},
    {"frmMayanTarotResult", "imgMayanTarot(4)", 2280, 4590, 1395, 1800, 8.25, false, false},
    {"frmMayanTarotResult", "lblImageName(0)", 2685, 2160, 585, 195, 8.25, true, false},
    {"frmMayanTarotResult", "lblImageName(1)", 810, 4245, 975, 195, 8.25, true, false},
    {"frmMayanTarotResult", "lblImageName(2)", 2610, 4245, 735, 195, 8.25, true, false},
    {"frmMayanTarotResult", "lblImageName(3)", 4455, 4245, 405, 195, 8.25, true, false},
    {"frmMayanTarotResult", "lblImageName(4)", 2670, 6390, 615, 195, 8.25, true, false},
    {"frmMayanTarotResult", "RTB", 6120, 360, 3615, 6255, 8.25, false, false},
    {"frmMayanTarotResult", "cmdExit", 7560, 6905, 1005, 345, 8.25, false, false},
    {"frmMayanTarotResult", "cmdBack", 8625, 6905, 1005, 345, 8.25, false, false},
    {"frmMayanTarotResult", "fraFullBrand", 30, 6650, 7185, 855, 8.25, false, false},
    {"frmMayanTarotResult", "lblCobrand", 120, 160, 6945, 615, 8.25, true, true, kGrey},
    {"frmMayanTarotResult", "lblFullBrand", 120, 165, 6945, 615, 8.25, true, true, kGrey},

    {"frmAbout", "Picture1", 120, 30, 480, 480, 8.25, false, false},
    {"frmAbout", "Label2", 690, 165, 5250, 345, 14.25, true, false, kNavy},
    {"frmAbout", "Label1", 120, 510, 6795, 1065, 8.25, false, false, kMidBlue},
    {"frmAbout", "lblHomePage", 2865, 1575, 4050, 195, 8.25, false, true, kWhite},
    {"frmAbout", "Label3", 120, 1890, 6795, 435, 8.25, true, false, kNavy},
    {"frmAbout", "lblCoBrand", 4620, 2325, 2295, 195, 8.25, false, true, kWhite},
    {"frmAbout", "cmdOK", 5655, 2760, 1260, 345, 8.25, false, false},

    {"frmNagScreen2", "picNagscreen2Icon", 360, 120, 540, 540, 8.25, false, false},
    {"frmNagScreen2", "Label2", 120, 840, 6975, 1095, 9.75, true, false},
    {"frmNagScreen2", "Check1", 30, 2040, 7185, 555, 14.25, false, false, kMidBlue},
    {"frmNagScreen2", "cmdClose", 6000, 2760, 1245, 375, 8.25, false, false},
    {"frmNagScreen2", "Frame2", 120, 3240, 7065, 1455, 9.75, true, false, kWhite},
    {"frmNagScreen2", "txtName", 85, 360, 3375, 285, 8.25, false, false},
    {"frmNagScreen2", "txtEmail", 3600, 360, 3375, 285, 8.25, false, false},
    {"frmNagScreen2", "txtFriendName", 85, 720, 3375, 285, 8.25, false, false},
    {"frmNagScreen2", "txtFriendEmail", 3600, 720, 3375, 285, 8.25, false, false},
    {"frmNagScreen2", "cmdSubmit", 1920, 1080, 3375, 285, 8.25, false, false},
    {"frmNagScreen2", "txtMessage", 4800, 3600, 1815, 495, 8.25, false, false},
    {"frmNagScreen2", "Frame6", 7320, 120, 3735, 4575, 9.75, true, false, kWhite},
    {"frmNagScreen2", "Label3", 120, 360, 3495, 3855, 9, false, false, kWhite},
    {"frmNagScreen2", "lblGoToHome", 75, 4250, 3585, 210, 9, true, true, kYellow},
};

struct ClientSize {
    const char* window;
    int width, height;
};

const ClientSize kClients[] = {
    {"frmMain", 7200, 4980},
    {"frmMayanTarotResult", 9795, 7515},
    {"frmAbout", 7065, 3165},
    {"frmNagScreen2", 11115, 4725},
};

class Layout : public WindowTest {
protected:
    Layout() : about_(nullptr) {
        windows_ = {&Forms::Load<frmMain>(), &Forms::Load<frmMayanTarotResult>(), &about_,
                    &Forms::Load<frmNagScreen2>()};
    }

    QWidget* Window(const char* name) {
        for (QWidget* window : windows_) {
            if (window->objectName() == QLatin1String(name)) return window;
        }
        return nullptr;
    }

    // Shows a window and waits until it is dressed: its icon and pointers
    // come once it has been painted.
    void Dressed(const char* name) {
        QWidget* window = Window(name);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        EXPECT_TRUE(QTest::qWaitFor([window] { return !window->windowIcon().isNull(); })) << name;
    }

    // The client area: the central widget below a menu bar, or the window.
    QWidget* Client(const char* name) {
        QWidget* window = Window(name);
        if (auto* main = qobject_cast<QMainWindow*>(window)) return main->centralWidget();
        return window;
    }

private:
    frmAbout about_;
    std::vector<QWidget*> windows_;
};

QColor TextColour(const QWidget* control) { return control->palette().color(QPalette::WindowText); }

}  // namespace

TEST_F(Layout, EveryControlStandsWhereItsLayoutPutsIt) {
    for (const Expected& row : kLayout) {
        SCOPED_TRACE(std::string(row.window) + "." + row.control);
        QWidget* window = Window(row.window);
        ASSERT_NE(window, nullptr);
        auto* control = window->findChild<QWidget*>(QLatin1String(row.control));
        ASSERT_NE(control, nullptr);
        const QRect laidOut = Twips::Rect(row.left, row.top, row.width, row.height);
        const auto* label = qobject_cast<QLabel*>(control);
        if (label && control->width() > laidOut.width()) {
            // A caption too long for its rectangle in this face takes room to
            // its right: only as much as its text needs.
            EXPECT_EQ(control->geometry().topLeft(), laidOut.topLeft());
            EXPECT_EQ(control->height(), laidOut.height());
            EXPECT_LE(control->width(), std::ceil(QFontMetricsF(label->font()).horizontalAdvance(label->text())) + 1);
        } else {
            EXPECT_EQ(control->geometry(), laidOut);
        }
        EXPECT_DOUBLE_EQ(control->font().pointSizeF(), row.points);
        EXPECT_EQ(control->font().bold(), row.bold);
        EXPECT_EQ(control->font().underline(), row.underline);
        if (row.text) {
            EXPECT_EQ(TextColour(control), *row.text);
        }
        EXPECT_FALSE(control->accessibleName().isEmpty());
    }
}

TEST_F(Layout, TwipsBecomeWholePixelsFifteenToOneRoundedToTheNearest) {
    // Worked out by hand from the twips in the comments, independently of
    // the conversion the windows use.
    const struct {
        const char* window;
        const char* control;
        QRect pixels;
    } rows[] = {
        {"frmMain", "lblLabel(2)", QRect(10, 50, 461, 29)},             // 143 (9.53), 750, 6915, 435
        {"frmMain", "fraFullBrand", QRect(1, 272, 479, 57)},            // 8 (0.53), 4080, 7185, 855
        {"frmMain", "cmdOpen", QRect(8, 360, 409, 25)},                 // 120, 5400, 6135, 375
        {"frmMayanTarotResult", "Label14", QRect(13, 2, 626, 13)},      // 202 (13.47), 30, 9390, 195
        {"frmMayanTarotResult", "lblImageName(3)", QRect(297, 283, 27, 13)},  // 4455, 4245, 405, 195
        {"frmNagScreen2", "txtName", QRect(6, 24, 225, 19)},            // 85 (5.67), 360, 3375, 285
        {"frmAbout", "lblCoBrand", QRect(308, 155, 153, 13)},           // 4620, 2325, 2295, 195
        {"frmAbout", "Line1", QRect(-4, 178, 516, 1)},                  // from -60 to 7680 at 2670
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.window) + "." + row.control);
        const auto* control = Window(row.window)->findChild<QWidget*>(QLatin1String(row.control));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), row.pixels);
    }
}

TEST_F(Layout, WindowsOpenAtTheirClientSizeWithTheirTitleAndColours) {
    for (const ClientSize& row : kClients) {
        SCOPED_TRACE(row.window);
        QWidget* client = Client(row.window);
        ASSERT_NE(client, nullptr);
        // Layout without showing: the central widget gets its size on show.
        Dressed(row.window);
        EXPECT_EQ(client->size(), Twips::Size(row.width, row.height));
        EXPECT_EQ(Window(row.window)->windowTitle(), QStringLiteral("KV Yaxkelen v1.20"));
        Window(row.window)->hide();
    }
    EXPECT_EQ(Client("frmMain")->palette().color(QPalette::Window), QColor(128, 128, 255));
    EXPECT_EQ(Client("frmMayanTarotResult")->palette().color(QPalette::Window), QColor(128, 128, 255));
    EXPECT_EQ(Client("frmAbout")->palette().color(QPalette::Window), QColor(128, 128, 255));
    EXPECT_EQ(Client("frmNagScreen2")->palette().color(QPalette::Window), Qt::white);
}

TEST_F(Layout, TitleBarBoxesDifferByWindow) {
    const auto flags = [this](const char* name) { return Window(name)->windowFlags(); };
    EXPECT_TRUE(flags("frmMain") & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags("frmMain") & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags("frmMain") & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags("frmMayanTarotResult") & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags("frmMayanTarotResult") & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags("frmNagScreen2") & Qt::WindowStaysOnTopHint);
    // The working windows can be made larger; the dialogs cannot.
    EXPECT_NE(Window("frmMain")->minimumSize(), Window("frmMain")->maximumSize());
    EXPECT_EQ(Window("frmAbout")->minimumSize(), Window("frmAbout")->maximumSize());
}

TEST_F(Layout, LinkCaptionsShowAHandAndFramesTheirColours) {
    for (const ClientSize& row : kClients) Dressed(row.window);
    const auto cursor = [this](const char* window, const char* control) {
        return Window(window)->findChild<QWidget*>(QLatin1String(control))->cursor().shape();
    };
    for (const auto& [window, control] : std::vector<std::pair<const char*, const char*>>{
             {"frmMain", "Label61"}, {"frmMain", "lblCobrand"}, {"frmMain", "lblFullBrand"},
             {"frmMayanTarotResult", "lblCobrand"}, {"frmMayanTarotResult", "lblFullBrand"},
             {"frmAbout", "lblHomePage"}, {"frmAbout", "lblCoBrand"}, {"frmNagScreen2", "lblGoToHome"},
             {"frmNagScreen2", "Check1"}}) {
        EXPECT_EQ(cursor(window, control), Qt::BitmapCursor) << window << "." << control;
    }
    // The result window's forum caption is clickable but keeps the system's pointer.
    EXPECT_FALSE(Window("frmMayanTarotResult")->findChild<QWidget*>(QLatin1String("Label14"))->testAttribute(Qt::WA_SetCursor));
    const auto background = [this](const char* window, const char* control) {
        return Window(window)->findChild<QWidget*>(QLatin1String(control))->palette().color(QPalette::Window);
    };
    EXPECT_EQ(background("frmMain", "fraBirthDay"), Qt::white);
    EXPECT_EQ(background("frmMain", "lblCobrand"), QColor(128, 128, 255));
    EXPECT_EQ(background("frmNagScreen2", "Frame2"), kNavy);
    EXPECT_EQ(background("frmNagScreen2", "Frame6"), kNavy);
}
