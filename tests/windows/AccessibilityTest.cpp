// The windows as a screen reader and a keyboard-only user meet them, through
// Qt's own accessibility interfaces.
#include "tests/support/QtPrinters.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/WindowTest.h"
#include "windows/shared/Controls.h"
#include "windows/frmAbout.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <tuple>

namespace {

QAccessibleInterface* Interface(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

// A reading of these glyphs, shown the way the reading button shows it.
frmMayanTarotResult& Reading(std::initializer_list<int> glyphs) {
    std::vector<float> values;
    for (const int glyph : glyphs) values.push_back(valueForGlyph(glyph));
    const ScopedScript script(values);
    frmMain& main = Forms::Load<frmMain>();
    main.show();
    main.txtName->setText(QStringLiteral("Ana"));
    main.NextSequence();
    WindowTest::Settle();
    return *Forms::Loaded<frmMayanTarotResult>();
}

using Accessibility = WindowTest;

}  // namespace

TEST_F(Accessibility, EveryClickableCaptionIsALinkThatKeysAndItsActionOpen) {
    frmMayanTarotResult& result = Reading({1, 2, 3, 4, 5});
    frmMain& main = Forms::Show<frmMain>();
    frmAbout about(&main);
    about.show();
    frmNagScreen2& exitScreen = Forms::Show<frmNagScreen2>();
    const struct {
        ClickLabel* caption;
        const char* page;
    } links[] = {
        {main.Label61, KV_PAGE_ADDRESS("home-page")},
        {main.lblCobrand, KV_PAGE_ADDRESS("co-brand")},
        {result.Label14, KV_PAGE_ADDRESS("home-page")},
        {result.lblCobrand, KV_PAGE_ADDRESS("co-brand")},
        {about.lblHomePage, KV_PAGE_ADDRESS("home-page")},
        {about.lblCoBrand, KV_PAGE_ADDRESS("fully-branded")},
        {exitScreen.lblGoToHome, KV_PAGE_ADDRESS("tessivane")},
    };
    for (const auto& [caption, page] : links) {
        SCOPED_TRACE(caption->objectName().toStdString());
        caption->window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(caption->window()));
        QAccessibleInterface* link = Interface(caption);
        EXPECT_EQ(link->role(), QAccessible::Link);
        EXPECT_EQ(link->text(QAccessible::Name), caption->text());
        EXPECT_FALSE(link->state().invisible);
        EXPECT_TRUE(link->state().focusable);
        ASSERT_EQ(link->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});

        // With the keyboard on it, a mark shows it; Enter and Space open
        // its page, and so does its one action.
        const QImage unfocused = caption->grab().toImage();
        caption->setFocus();
        EXPECT_NE(caption->grab().toImage(), unfocused) << "no focus mark";
        opened.clear();
        QTest::keyClick(caption, Qt::Key_Return);
        QTest::keyClick(caption, Qt::Key_Space);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(opened, std::vector<QString>(3, QString::fromLatin1(page)));
    }
    // The sponsor caption behind the other can be neither reached nor seen.
    EXPECT_TRUE(Interface(main.lblFullBrand)->state().invisible);
    EXPECT_TRUE(Interface(result.lblFullBrand)->state().invisible);
}

TEST_F(Accessibility, TheExitScreenIsADialogWhoseSupportTextCanBeRead) {
    frmNagScreen2& screen = Forms::Show<frmNagScreen2>();
    QAccessibleInterface* window = Interface(&screen);
    EXPECT_EQ(window->role(), QAccessible::Dialog);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("KV Yaxkelen v1.20"));
    QAccessibleInterface* support = Interface(screen.Label2);
    EXPECT_EQ(support->parent()->object(), &screen);
    EXPECT_EQ(support->text(QAccessible::Name), screen.Label2->text());
    EXPECT_GT(support->text(QAccessible::Name).size(), 100);
}

TEST_F(Accessibility, TheReadingOpensWithTheKeyboardAtItsTitleAndPicturesNamedByTheirGlyph) {
    frmMayanTarotResult& window = Reading({14, 4, 0, 19, 5});
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.RTB);
    EXPECT_EQ(Interface(window.RTB)->textInterface()->cursorPosition(), 0);
    // A mark around the box shows where the keyboard is.
    const QRect around = window.RTB->geometry().adjusted(-2, -2, 2, 2);
    const QImage focused = window.centralWidget()->grab(around).toImage();
    window.cmdExit->setFocus();
    EXPECT_NE(window.centralWidget()->grab(around).toImage(), focused) << "no focus mark";
    QStringList names;
    for (QLabel* picture : window.imgMayanTarot) names << Interface(picture)->text(QAccessible::Name);
    EXPECT_EQ(names, (QStringList{QStringLiteral("Guide: Blue Eagle (Men/Eagle)"),
                                  QStringLiteral("Challenge: Red Serpent (Chicchan/Serpent)"),
                                  QStringLiteral("Central: Red Dragon (Imix)"),
                                  QStringLiteral("Ally: Yellow Sun (Ahau/Sun)"),
                                  QStringLiteral("Occult: White World Bridger (Cimi/Transformer)")}));
    // The next reading names its own.
    window.Back();
    Settle();
    frmMayanTarotResult& next = Reading({7, 1, 2, 3, 4});
    EXPECT_EQ(Interface(next.imgMayanTarot[0])->text(QAccessible::Name), QStringLiteral("Guide: Yellow Star (Lamat/Star)"));
}

TEST_F(Accessibility, TabIntoAReferralBoxAnnouncesItBeforeItsPlaceholderGoes) {
    frmNagScreen2& screen = Forms::Show<frmNagScreen2>();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    const std::vector<std::pair<QLineEdit*, QString>> boxes{
        {screen.txtName, QStringLiteral("Your Name")},
        {screen.txtEmail, QStringLiteral("Your Email Address")},
        {screen.txtFriendName, QStringLiteral("Friend's Name")},
        {screen.txtFriendEmail, QStringLiteral("Friend's Email Address")}};
    // Qt announces a focus to screen readers once the focus has moved, just
    // after telling the application so: the box must not have changed yet,
    // or a screen reader passes over it without naming it.
    QString atTheMove;
    const auto watch = QObject::connect(qApp, &QApplication::focusChanged, [&](QWidget*, QWidget* now) {
        if (auto* box = qobject_cast<QLineEdit*>(now)) atTheMove = box->text();
    });
    screen.Check1->setFocus();
    for (const auto& [box, name] : boxes) {
        SCOPED_TRACE(name.toStdString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), box);
        EXPECT_EQ(atTheMove, name) << "the placeholder went before the focus was announced";
        Settle();
        EXPECT_EQ(box->text(), QString()) << "the placeholder stayed";
        // Its name is the placeholder, whatever it holds.
        EXPECT_EQ(Interface(box)->text(QAccessible::Name), name);
        QTest::keyClicks(box, QStringLiteral("typed"));
        EXPECT_EQ(Interface(box)->text(QAccessible::Name), name);
    }
    QObject::disconnect(watch);
}

TEST_F(Accessibility, EveryTextQueryOfEveryTextBoxReturns) {
    frmMayanTarotResult& result = Reading({1, 2, 3, 4, 5});
    frmMain& main = Forms::Show<frmMain>();
    main.txtName->setText(QStringLiteral("  Ana Maria."));
    main.txtQuestion->setPlainText(QStringLiteral("Will it rain? Yes.\nNo."));
    frmNagScreen2& exitScreen = Forms::Show<frmNagScreen2>();
    std::vector<QWidget*> boxes{result.RTB};
    for (QWidget* window : std::initializer_list<QWidget*>{&main, &exitScreen}) {
        for (QWidget* box : window->findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(box) || qobject_cast<QPlainTextEdit*>(box)) boxes.push_back(box);
        }
    }
    ASSERT_EQ(boxes.size(), 8u);

    // A query that does not come back within seconds ends the test program
    // with the query named, instead of leaving it hanging.
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::atomic<long> answered = 0;
    std::string asking;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        long seen = -1;
        while (!done.wait_for(lock, std::chrono::seconds(5), [&] { return finished; })) {
            if (answered == seen) {
                std::fprintf(stderr, "A text query did not return: %s\n", asking.c_str());
                std::_Exit(1);
            }
            seen = answered;
        }
    });
    const QAccessible::TextBoundaryType boundaries[] = {
        QAccessible::CharBoundary,      QAccessible::WordBoundary, QAccessible::SentenceBoundary,
        QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary};
    for (QWidget* box : boxes) {
        QAccessibleTextInterface* text = Interface(box)->textInterface();
        ASSERT_NE(text, nullptr) << box->objectName().toStdString();
        const int length = text->characterCount();
        for (const QAccessible::TextBoundaryType boundary : boundaries) {
            for (int offset = -2; offset <= length; ++offset) {
                {
                    const std::lock_guard lock(mutex);
                    asking = box->objectName().toStdString() + ", boundary " + std::to_string(boundary) +
                             ", offset " + std::to_string(offset) + " of " + std::to_string(length);
                }
                int start = 0;
                int end = 0;
                text->textAtOffset(offset, boundary, &start, &end);
                text->textBeforeOffset(offset, boundary, &start, &end);
                text->textAfterOffset(offset, boundary, &start, &end);
                ++answered;
            }
        }
    }
    {
        const std::lock_guard lock(mutex);
        finished = true;
    }
    done.notify_one();
    watchdog.join();
    // The last word of a one-line box, asked for at its end.
    int start = 0;
    int end = 0;
    EXPECT_EQ(Interface(main.txtName)->textInterface()->textAtOffset(12, QAccessible::WordBoundary, &start, &end),
              QStringLiteral("."));
    EXPECT_EQ(Interface(main.txtName)->textInterface()->textAtOffset(8, QAccessible::WordBoundary, &start, &end),
              QStringLiteral("Maria"));
    EXPECT_EQ(start, 6);
    EXPECT_EQ(end, 11);
    // At the caret (-2) and at the end (-1), as screen readers ask; the
    // caret stands inside the first word.
    main.txtName->setCursorPosition(3);
    EXPECT_EQ(Interface(main.txtName)->textInterface()->textAtOffset(-2, QAccessible::WordBoundary, &start, &end),
              QStringLiteral("Ana"));
    EXPECT_EQ(start, 2);
    EXPECT_EQ(Interface(main.txtName)->textInterface()->textAtOffset(-1, QAccessible::WordBoundary, &start, &end),
              QStringLiteral("."));
}

namespace {

// WCAG's contrast ratio, worked out here on its own.
double Ratio(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double x = luminance(a);
    const double y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The colour painted behind a control: the nearest one that fills its
// background, the control itself included.
QColor Behind(const QWidget* control) {
    while (!control->autoFillBackground() && !control->isWindow()) control = control->parentWidget();
    return control->palette().color(QPalette::Window);
}

// A style that tells the theme's palette as its standard one, as Qt's GTK
// theme does under a dark desktop theme.
class ThemedStyle final : public QProxyStyle {
public:
    explicit ThemedStyle(const QPalette& palette) : QProxyStyle(QStringLiteral("Fusion")), palette_(palette) {}
    QPalette standardPalette() const override { return palette_; }

private:
    QPalette palette_;
};

QPalette Themed(const QColor& window, const QColor& text, const QColor& base) {
    QPalette palette;
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Button}) palette.setColor(role, window);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(role, text);
    }
    palette.setColor(QPalette::Base, base);
    return palette;
}

// Every caption and text box or button of the four windows, with what they
// show, built under the application palette of the moment.
struct Seen {
    QString control;
    double textContrast;  // text on what lies behind it, or on its own face
    double faceContrast;  // a box's or button's face on what lies behind it; 0 for captions
};

// The windows' colours as built, or, given a theme, as they stand once the
// theme has changed while they were open.
std::vector<Seen> Look(const QPalette* switchedTo = nullptr) {
    std::vector<Seen> seen;
    frmMayanTarotResult& result = Reading({1, 2, 3, 4, 5});
    frmMain& main = Forms::Show<frmMain>();
    auto* about = new frmAbout(&main);  // goes with the main window
    frmNagScreen2& exitScreen = Forms::Load<frmNagScreen2>();
    if (switchedTo) {
        QApplication::setPalette(*switchedTo);
        QCoreApplication::processEvents();
    }
    for (QWidget* window : std::initializer_list<QWidget*>{&main, &result, about, &exitScreen}) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString name = window->objectName() + QLatin1Char('.') + control->objectName();
            if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty()) {
                seen.push_back({name, Ratio(label->palette().color(QPalette::WindowText), Behind(label)), 0});
            } else if (qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractScrollArea*>(control) ||
                       qobject_cast<QCheckBox*>(control)) {
                const QPalette& p = control->palette();
                seen.push_back({name, Ratio(p.color(QPalette::Text), p.color(QPalette::Base)),
                                Ratio(p.color(QPalette::Base), Behind(control->parentWidget()))});
            } else if (qobject_cast<QPushButton*>(control)) {
                const QPalette& p = control->palette();
                seen.push_back({name, Ratio(p.color(QPalette::ButtonText), p.color(QPalette::Button)),
                                Ratio(p.color(QPalette::Button), Behind(control->parentWidget()))});
            }
        }
    }
    delete Forms::Loaded<frmMain>();
    delete Forms::Loaded<frmMayanTarotResult>();
    delete Forms::Loaded<frmNagScreen2>();
    return seen;
}

}  // namespace

TEST_F(Accessibility, CaptionsBoxesAndButtonsStayReadableUnderDarkAndHighContrastThemes) {
    const QPalette original = QApplication::palette();
    const std::vector<Seen> light = Look();
    ASSERT_GT(light.size(), 40u);
    const QString originalStyle = QApplication::style()->name();
    const QPalette dark = Themed(QColor(0x32, 0x32, 0x32), QColor(0xf0, 0xf0, 0xf0), QColor(0x24, 0x24, 0x24));
    const std::tuple<const char*, QPalette, bool> themes[] = {
        {"dark (Adwaita)", dark, false},
        {"dark, style's palette dark too (GTK theme)", dark, true},
        {"high contrast", Themed(Qt::black, Qt::white, Qt::black), false},
    };
    for (const auto& [theme, palette, styled] : themes) {
        if (styled) QApplication::setStyle(new ThemedStyle(palette));
        // Windows built under the theme, and windows open as the desktop
        // switches to it.
        for (const bool whileOpen : {false, true}) {
            SCOPED_TRACE(std::string(theme) + (whileOpen ? ", switched while open" : ""));
            QApplication::setPalette(whileOpen ? original : palette);
            const std::vector<Seen> themed = Look(whileOpen ? &palette : nullptr);
            ASSERT_EQ(themed.size(), light.size());
            for (std::size_t i = 0; i < themed.size(); ++i) {
                // Text keeps the contrast it has in the light theme (or 4.5:1,
                // where that was more); a box or button stands out from the
                // program's fixed background as it does there (or 3:1, enough
                // to be made out, where that was more).
                EXPECT_GE(themed[i].textContrast, std::min(light[i].textContrast, 4.5) - 0.01)
                    << themed[i].control.toStdString();
                if (light[i].faceContrast > 0) {
                    EXPECT_GE(themed[i].faceContrast, std::min(light[i].faceContrast, 3.0) - 0.01)
                        << themed[i].control.toStdString();
                }
            }
        }
        if (styled) QApplication::setStyle(originalStyle);
    }
    QApplication::setPalette(original);
}
