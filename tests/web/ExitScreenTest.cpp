#include "tests/support/QtPrinters.h"
#include "tests/support/Modal.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/WindowTest.h"
#include "web/modTellAFriend.h"
#include "windows/shared/Controls.h"

#include <QAccessible>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

#include <cmath>

using modTellAFriend::Referral;

namespace {

class ExitScreen : public WindowTest {
protected:
    frmNagScreen2& Screen() {
        frmNagScreen2& screen = Forms::Load<frmNagScreen2>();
        screen.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&screen));
        return screen;
    }

    static void Type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    void FillValid(frmNagScreen2& screen) {
        Type(screen.txtName, QStringLiteral("Ana"));
        Type(screen.txtEmail, QStringLiteral("ana@example.org"));
        Type(screen.txtFriendName, QStringLiteral("Ben"));
        Type(screen.txtFriendEmail, QStringLiteral("ben@example.org"));
    }

    QString LastMessage() const { return shown.empty() ? QString() : shown.back().request.text; }
};

QString Value(const QString& address, const QString& key) {
    return QUrlQuery(QUrl(address)).queryItemValue(key, QUrl::FullyDecoded);
}

}  // namespace

TEST_F(ExitScreen, LoadingSetsCaptionsReseedsAndPicksASupportText) {
    const float largest = std::nextafter(1.0f, 0.0f);
    for (const auto& [r, index] : std::vector<std::pair<float, int>>{{0.0f, 0}, {0.5f, 2}, {largest, 3}, {0.26f, 1}}) {
        SCOPED_TRACE(r);
        ScopedScript scripted({r});
        frmNagScreen2& screen = Forms::Load<frmNagScreen2>();
        EXPECT_EQ(scripted.script.seeds().size(), 1u);
        EXPECT_EQ(scripted.script.used(), 1u);
        EXPECT_EQ(screen.SupportTextIndex(), index);
        EXPECT_EQ(screen.Label2->text(), frmNagScreen2::SupportText(index));
        EXPECT_EQ(screen.windowTitle(), QStringLiteral("KV Yaxkelen v1.20"));
        EXPECT_EQ(screen.lblNagScreen2Caption->text(), QStringLiteral("KV Yaxkelen v1.20"));
        EXPECT_FALSE(screen.picNagscreen2Icon->pixmap().isNull());
        EXPECT_TRUE(screen.windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_FALSE(screen.isVisible());
        CloseEverything();
    }
}

TEST_F(ExitScreen, TheFourSupportTextsAreThere) {
    for (int i = 0; i < 4; ++i) {
        const QString text = frmNagScreen2::SupportText(i);
        EXPECT_GT(text.size(), 140) << i;
        EXPECT_FALSE(text.contains(QLatin1Char('\n')));
    }
}

TEST_F(ExitScreen, ReferralChecksComeInTheirOrder) {
    const Referral valid{"Ana", "ana@example.org", "Hello", "Ben", "ben@example.org"};
    EXPECT_EQ(modTellAFriend::CheckReferral(valid), std::nullopt);

    struct Case {
        const char* what;
        std::function<void(Referral&)> change;
        const char* message;
    };
    const std::vector<Case> cases{
        {"untouched form",
         [](Referral& r) { r = {"Your Name", "Your Email Address", "Your Message\r\n", "Friend's Name", "Friend's Email Address"}; },
         "Please Enter Proper Email Address"},
        {"equal addresses, both empty", [](Referral& r) { r.email = r.friendEmail = ""; r.name = ""; },
         "Please Enter Distinct Email Addresses"},
        {"equal addresses", [](Referral& r) { r.friendEmail = r.email; }, "Please Enter Distinct Email Addresses"},
        {"case counts", [](Referral& r) { r.friendEmail = "ANA@example.org"; }, nullptr},
        {"no @", [](Referral& r) { r.email = "ana.example.org"; }, "Please Enter Proper Email Address"},
        {"friend without @", [](Referral& r) { r.friendEmail = "ben.example.org"; }, "Please Enter Proper Email Address"},
        {"no dot", [](Referral& r) { r.friendEmail = "ben@example"; }, "Please Enter Proper Email Address"},
        {"empty name", [](Referral& r) { r.name = ""; }, "Please Enter Your Name"},
        {"name placeholder", [](Referral& r) { r.name = "Your Name"; }, "Please Enter Your Name"},
        {"empty message", [](Referral& r) { r.message = ""; }, "Please Enter Your Message"},
        {"message placeholder", [](Referral& r) { r.message = "Your Message"; }, "Please Enter Your Message"},
        {"friend's name", [](Referral& r) { r.friendName = "Friend's Name"; }, "Please Enter Your Friend's Name"},
        {"empty friend's name", [](Referral& r) { r.friendName = ""; }, "Please Enter Your Friend's Name"},
        {"name before message", [](Referral& r) { r.name = ""; r.message = ""; }, "Please Enter Your Name"},
    };
    for (const Case& c : cases) {
        Referral r = valid;
        c.change(r);
        const auto message = modTellAFriend::CheckReferral(r);
        if (c.message) {
            EXPECT_EQ(message, std::optional<QString>(QString::fromLatin1(c.message))) << c.what;
        } else {
            EXPECT_EQ(message, std::nullopt) << c.what;
        }
    }
    EXPECT_EQ(modTellAFriend::TrimBlanks(QStringLiteral("  a b \r\n ")), QStringLiteral("a b \r\n"));
}

TEST_F(ExitScreen, AnUntouchedFormIsRefusedAndKeepsEverything) {
    frmNagScreen2& screen = Screen();
    QTest::mouseClick(screen.cmdSubmit, Qt::LeftButton);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].request.text, QStringLiteral("Please Enter Proper Email Address"));
    EXPECT_EQ(shown[0].request.icon, MessageIcon::Critical);
    EXPECT_EQ(shown[0].request.caption, QStringLiteral("KV Yaxkelen"));
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(screen.txtName->text(), QStringLiteral("Your Name"));
}

TEST_F(ExitScreen, AValidReferralOpensItsPageWithTheUntouchedMessageAsOftenAsAsked) {
    frmNagScreen2& screen = Screen();
    FillValid(screen);
    QTest::mouseClick(screen.cmdSubmit, Qt::LeftButton);
    QTest::mouseClick(screen.cmdSubmit, Qt::LeftButton);
    EXPECT_TRUE(shown.empty()) << LastMessage().toStdString();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], opened[1]);
    const QString address = opened[0];
    EXPECT_TRUE(address.startsWith(QStringLiteral(KV_PAGE_ADDRESS("kvts-refer-a-friend") "&taf1=Ana&taf2=")));
    EXPECT_EQ(Value(address, "taf1"), QStringLiteral("Ana"));
    EXPECT_EQ(Value(address, "taf2"), QStringLiteral("ana@example.org"));
    EXPECT_EQ(Value(address, "taf3"), QStringLiteral("Your Message\r\n"));
    EXPECT_EQ(Value(address, "taf4"), QStringLiteral("Ben"));
    EXPECT_EQ(Value(address, "taf5"), QStringLiteral("ben@example.org"));
    EXPECT_EQ(Value(address, "taf6"), QStringLiteral(KV_PROGRAM_FOLDER));
    EXPECT_EQ(Value(address, "page"), QStringLiteral("kvts-refer-a-friend"));
    const QStringList order = QUrl(address).query().split(QLatin1Char('&'));
    QStringList keys;
    for (const QString& pair : order) keys << pair.section(QLatin1Char('='), 0, 0);
    EXPECT_EQ(keys, (QStringList{"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"}));
    EXPECT_TRUE(screen.isVisible());
}

TEST_F(ExitScreen, EveryValueArrivesExactlyAsTyped) {
    const Referral tricky{QStringLiteral("Ann & Bob=1 #2 ?x 100% \r\nZoë Łukasz 山田"), QStringLiteral("a+b@x.org"),
                          QStringLiteral("line one\r\nline two & more"), QStringLiteral("Ré=né#"),
                          QStringLiteral("r%20n@y.org")};
    const QString address = modTellAFriend::ReferralAddress(tricky);
    EXPECT_TRUE(QUrl(address, QUrl::StrictMode).isValid());
    EXPECT_EQ(Value(address, "taf1"), tricky.name);
    EXPECT_EQ(Value(address, "taf2"), tricky.email);
    EXPECT_EQ(Value(address, "taf3"), tricky.message);
    EXPECT_EQ(Value(address, "taf4"), tricky.friendName);
    EXPECT_EQ(Value(address, "taf5"), tricky.friendEmail);
    EXPECT_EQ(QUrlQuery(QUrl(address)).queryItems().size(), 7);
    // And through the page opener, as the browser gets it.
    modHelp::OpenWebPage(address);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(Value(opened[0], "taf1"), tricky.name);
    EXPECT_EQ(Value(opened[0], "taf3"), tricky.message);
}

TEST_F(ExitScreen, ABlankInAnEmailBoxIsRefusedAndTheFocusStays) {
    frmNagScreen2& screen = Screen();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    // The real box, which takes the focus while it is up.
    ScopedMessageHandler real([this](const MessageRequest& request, QWidget* parent) {
        shown.push_back({request, parent});
        return RealMessageBox(request, parent);
    });
    for (QLineEdit* box : {screen.txtEmail, screen.txtFriendEmail}) {
        SCOPED_TRACE(box->objectName().toStdString());
        shown.clear();
        // A blank first thing in a box that has just been emptied.
        box->setFocus();
        Settle();
        ASSERT_EQ(box->text(), QString());
        QString whileAsked = QStringLiteral("(no box came up)");
        WhenModal([&](QWidget* modal) {
            whileAsked = box->text();
            QTest::keyClick(modal, Qt::Key_Return);
        });
        QTest::keyClick(box, Qt::Key_Space);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].request.text, QStringLiteral("Email Address Cannot Contain Space"));
        EXPECT_EQ(shown[0].request.icon, MessageIcon::Critical);
        EXPECT_EQ(whileAsked, QString()) << "the placeholder came back while the message was up";
        EXPECT_TRUE(QTest::qWaitFor([box] { return QApplication::focusWidget() == box; }))
            << "the focus did not come back to the box";
        QTest::keyClicks(box, QStringLiteral("x@y.org"));
        EXPECT_EQ(box->text(), QStringLiteral("x@y.org"));
    }
    // Blanks elsewhere are fine.
    shown.clear();
    Type(screen.txtName, QStringLiteral("Ana Maria"));
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(screen.txtName->text(), QStringLiteral("Ana Maria"));
}

TEST_F(ExitScreen, APopupMenuLeavesTheBoxAsItIs) {
    frmNagScreen2& screen = Screen();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    screen.txtFriendName->setFocus();
    Settle();
    ASSERT_EQ(screen.txtFriendName->text(), QString());
    // The box's own menu opens and stays open while the user looks at it.
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), screen.txtFriendName->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(screen.txtFriendName, &menu);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(screen.txtFriendName->text(), QString()) << "the placeholder came back while the menu was open";
    popup->close();
    Settle();
    EXPECT_EQ(screen.txtFriendName->text(), QString());
}

TEST_F(ExitScreen, PlaceholdersLeaveOnFocusAndComeBackWhenLeftEmpty) {
    frmNagScreen2& screen = Screen();
    // Emptied once the event loop has announced the focus.
    const auto focus = [](QWidget* box) {
        box->setFocus();
        Settle();
    };
    focus(screen.txtName);
    EXPECT_EQ(screen.txtName->text(), QString());
    QTest::keyClicks(screen.txtName, QStringLiteral("   "));
    focus(screen.txtEmail);
    EXPECT_EQ(screen.txtName->text(), QStringLiteral("Your Name"));
    EXPECT_EQ(screen.txtEmail->text(), QString());
    QTest::keyClicks(screen.txtEmail, QStringLiteral("x@y.z"));
    focus(screen.txtFriendName);
    EXPECT_EQ(screen.txtEmail->text(), QStringLiteral("x@y.z"));

    // The message box's first text ends in a line break, so focus keeps it;
    // emptied and left, it comes back without the line break.
    screen.txtMessage->setFocus();
    EXPECT_EQ(screen.MessageText(), QStringLiteral("Your Message\r\n"));
    screen.txtMessage->clear();
    screen.txtName->setFocus();
    EXPECT_EQ(screen.MessageText(), QStringLiteral("Your Message"));
}

TEST_F(ExitScreen, TheCheckBoxNeverStaysTickedAndOpensTheHomePageOncePerTick) {
    frmNagScreen2& screen = Screen();
    // Anywhere in its rectangle, far from its caption, counts as a tick.
    QTest::mouseClick(screen.Check1, Qt::LeftButton, {}, QPoint(screen.Check1->width() - 2, screen.Check1->height() - 2));
    EXPECT_FALSE(screen.Check1->isChecked());
    EXPECT_EQ(opened, (std::vector<QString>{QStringLiteral(KV_PAGE_ADDRESS("home-page"))}));
    screen.Check1->setFocus();
    QTest::keyClick(screen.Check1, Qt::Key_Space);
    EXPECT_FALSE(screen.Check1->isChecked());
    EXPECT_EQ(opened.size(), 2u);
    // A screen reader's "toggle" is a tick too.
    QAccessible::queryAccessibleInterface(screen.Check1)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(screen.Check1->isChecked());
    EXPECT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened.back(), QStringLiteral(KV_PAGE_ADDRESS("home-page")));
    QTest::mouseClick(screen.lblGoToHome, Qt::LeftButton);
    EXPECT_EQ(opened.back(), QStringLiteral(KV_PAGE_ADDRESS("tessivane")));
}

TEST_F(ExitScreen, TabStartsAtExitAndReachesTheHiddenMessageBox) {
    frmNagScreen2& screen = Screen();
    screen.activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), screen.cmdClose);
    QWidget* focus = screen.cmdClose;
    bool reached = false;
    for (int i = 0; i < 10 && !reached; ++i) {
        QTest::keyClick(focus, Qt::Key_Tab);
        focus = QApplication::focusWidget();
        reached = focus == screen.txtMessage;
    }
    EXPECT_TRUE(reached);
    // It lies outside its frame's visible area.
    EXPECT_FALSE(screen.Frame2->rect().intersects(screen.txtMessage->geometry()));
}
