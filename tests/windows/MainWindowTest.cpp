#include "tests/support/QtPrinters.h"
#include "engine/Catalogue.h"
#include "engine/Draw.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/WindowTest.h"
#include "windows/shared/Controls.h"

#include <QClipboard>
#include <QGlyphRun>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTextLayout>

using namespace modMayanTarot;

namespace {

class MainWindow : public WindowTest {
protected:
    frmMain& Open() {
        frmMain& window = Forms::Load<frmMain>();
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }
};

std::vector<float> valuesFor(std::initializer_list<int> glyphs) {
    std::vector<float> values;
    for (const int g : glyphs) values.push_back(valueForGlyph(g));
    return values;
}

}  // namespace

TEST_F(MainWindow, AnEmptyNameIsRefusedWithAMessageAndTheFocusBack) {
    frmMain& window = Open();
    window.txtQuestion->setFocus();
    QTest::mouseClick(window.cmdNext, Qt::LeftButton);

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].request.text, QStringLiteral("Please Enter Your Name"));
    EXPECT_EQ(shown[0].request.icon, MessageIcon::Critical);
    EXPECT_EQ(shown[0].request.buttons, MessageButtons::Ok);
    EXPECT_EQ(shown[0].request.caption, QStringLiteral("KV Yaxkelen"));
    EXPECT_EQ(QApplication::focusWidget(), window.txtName);
    EXPECT_EQ(Forms::Loaded<frmMayanTarotResult>(), nullptr);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindow, BlanksPassAsANameAndTheProblemMayStayEmpty) {
    frmMain& window = Open();
    QTest::keyClicks(window.txtName, QStringLiteral("   "));
    QTest::mouseClick(window.cmdNext, Qt::LeftButton);
    Settle();
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(Visible(Forms::Loaded<frmMayanTarotResult>()));
    EXPECT_EQ(Forms::Loaded<frmMain>(), nullptr);
}

TEST_F(MainWindow, EnterInTheNameBoxStartsNothingAndTabGoesToTheButton) {
    frmMain& window = Open();
    EXPECT_EQ(QApplication::focusWidget(), window.txtName);
    QTest::keyClicks(window.txtName, QStringLiteral("Ana"));
    QTest::keyClick(window.txtName, Qt::Key_Return);
    QTest::keyClick(window.txtName, Qt::Key_Enter);
    EXPECT_EQ(Forms::Loaded<frmMayanTarotResult>(), nullptr);
    EXPECT_FALSE(window.cmdNext->isDefault());

    // Then the clickable captions, the sponsor caption behind the other
    // passed over.
    const std::vector<QWidget*> order{window.txtName, window.cmdNext,  window.cmdOpen, window.txtQuestion,
                                      window.Label61, window.lblCobrand, window.txtName};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        order[i]->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i + 1]) << order[i]->objectName().toStdString();
    }
}

TEST_F(MainWindow, NextShowsTheReadingClosesTheWindowAndKeepsTheExitScreenHidden) {
    ScopedScript scripted(valuesFor({0, 19, 9, 4, 11}));
    frmMain& window = Open();
    QTest::keyClicks(window.txtName, QStringLiteral("Ana"));
    QTest::keyClicks(window.txtQuestion, QStringLiteral("Which way now?"));
    QTest::mouseClick(window.cmdNext, Qt::LeftButton);
    Settle();

    auto* result = Forms::Loaded<frmMayanTarotResult>();
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->isVisible());
    EXPECT_EQ(Forms::Loaded<frmMain>(), nullptr);
    const QString document = result->RTB->toPlainText();
    EXPECT_TRUE(document.startsWith(QStringLiteral("KV Yaxkelen Reading\n\nGuide\n")));
    EXPECT_FALSE(document.contains(QStringLiteral("Ana")));
    EXPECT_FALSE(document.contains(QStringLiteral("Which way")));

    // The exit screen was loaded on the way, hidden, and never shown.
    auto* exitScreen = Forms::Loaded<frmNagScreen2>();
    ASSERT_NE(exitScreen, nullptr);
    EXPECT_FALSE(exitScreen->isVisible());
    EXPECT_EQ(processEnds, 0);
}

TEST_F(MainWindow, TwoReadingsForTheSameNameDiffer) {
    // The real generator, seeded from the clock: the name steers nothing.
    Random::SeedFromClock();
    std::set<std::array<Glyph, 5>> readings;
    for (int i = 0; i < 5; ++i) {
        frmMain& window = Open();
        QTest::keyClicks(window.txtName, QStringLiteral("Same Name"));
        QTest::mouseClick(window.cmdNext, Qt::LeftButton);
        readings.insert(CurrentReading().slot);
        Forms::Loaded<frmMayanTarotResult>()->Back();
        Settle();
    }
    // Five equal readings out of 20*19*18*17*16 would take a broken draw.
    EXPECT_GT(readings.size(), 1u);
}

TEST_F(MainWindow, MenusAreInOrderWithTheirAccessKeys) {
    frmMain& window = Open();
    QStringList bar;
    for (QAction* action : window.menuBar()->actions()) {
        if (action->isVisible()) bar << action->text();
    }
    EXPECT_EQ(bar, (QStringList{"&File", "&Help", "&Donate"}));
    EXPECT_FALSE(window.mnuMakeMoney->isVisible());
    EXPECT_EQ(window.mnuMakeMoney->text(), QStringLiteral("Make Money &Online"));

    QStringList help;
    for (QAction* action : window.mnuHelp->actions()) help << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(help, (QStringList{"&Online Help", "&Visit Us Online", "-", "&Check for Software Update", "-",
                                 "&About Software"}));
    EXPECT_EQ(window.nuFile->actions().size(), 1);
    EXPECT_EQ(window.mnuExit->text(), QStringLiteral("E&xit"));
    for (QAction* action : window.findChildren<QAction*>()) {
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->objectName().toStdString();
    }
}

TEST_F(MainWindow, ControlsMoveWithNothingWhenTheWindowGrows) {
    frmMain& window = Open();
    const QRect before = window.cmdOpen->geometry();
    const QRect nameBefore = window.txtName->geometry();
    // At the opening size the import button lies below the client area.
    EXPECT_GT(window.cmdOpen->geometry().top(), window.centralWidget()->height());
    window.resize(window.width(), window.height() + 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.cmdOpen->geometry(), before);
    EXPECT_EQ(window.txtName->geometry(), nameBefore);
    EXPECT_LT(window.cmdOpen->geometry().bottom(), window.centralWidget()->height());
}

TEST_F(MainWindow, CaptionsShowSingleAmpersandsAndEveryControlHasAnAccessibleName) {
    frmMain& window = Open();
    EXPECT_TRUE(window.lblCobrand->text().contains(QStringLiteral("name &  link")));
    EXPECT_FALSE(window.lblCobrand->text().contains(QStringLiteral("&&")));
    for (QWidget* control : window.centralWidget()->findChildren<QWidget*>()) {
        if (control->objectName().startsWith(QStringLiteral("qt_"))) continue;
        if (control->parentWidget() && control->parentWidget()->inherits("QAbstractScrollArea")) continue;
        if (control->objectName().isEmpty()) continue;
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
    }
    EXPECT_EQ(window.txtName->accessibleName(), QStringLiteral("Name"));
    EXPECT_EQ(window.cmdNext->accessibleName(), QStringLiteral("Get My Yaxkelen Reading"));
}

TEST_F(MainWindow, PastingFromAnEmptyClipboardInsertsNothingAndCrashesNothing) {
    // As after the program that owned the clipboard went: no formats at all.
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    frmMain& main = Forms::Show<frmMain>();
    frmNagScreen2& exitScreen = Forms::Show<frmNagScreen2>();
    for (QPlainTextEdit* box : {main.txtQuestion, exitScreen.txtMessage}) {
        const QString before = box->toPlainText();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->toPlainText(), before) << box->objectName().toStdString();
    }
    // Text on the clipboard still pastes.
    QGuiApplication::clipboard()->setText(QStringLiteral("rain"));
    QTest::keyClick(main.txtQuestion, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(main.txtQuestion->toPlainText(), QStringLiteral("rain"));
}

namespace {

// The glyphs a text is set in with a face, and where they stand.
std::vector<std::pair<quint32, QPointF>> SetIn(const QFont& font, const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    std::vector<std::pair<quint32, QPointF>> glyphs;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) glyphs.emplace_back(indexes[i], positions[i]);
    }
    return glyphs;
}

}  // namespace

TEST_F(MainWindow, WhatTheUserTypesIsShapedAsItsScriptNeeds) {
    // Arabic joined, Hebrew points and Thai marks in place, a decomposed
    // accent on its letter.
    const QStringList names{QStringLiteral("محمد"), QStringLiteral("שָׁלוֹם"), QStringLiteral("สวัสดี"),
                            QStringLiteral("Nguye\u0302\u0303n")};
    // A face that skips shaping sets Arabic apart, or this test proves nothing.
    QFont unshaped = Resources::TypingFont();
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    QFont shaped = Resources::TypingFont();
    shaped.setStyleStrategy(QFont::PreferDefault);
    ASSERT_NE(SetIn(unshaped, names[0]), SetIn(shaped, names[0]));

    frmMain& main = Forms::Load<frmMain>();
    frmNagScreen2& exitScreen = Forms::Load<frmNagScreen2>();
    std::vector<QWidget*> boxes{main.txtName, main.txtQuestion, exitScreen.txtMessage};
    for (QLineEdit* box : exitScreen.findChildren<QLineEdit*>()) boxes.push_back(box);
    for (QWidget* box : boxes) {
        for (const QString& name : names) {
            QFont reference = box->font();
            reference.setStyleStrategy(QFont::PreferDefault);
            EXPECT_EQ(SetIn(box->font(), name), SetIn(reference, name))
                << box->objectName().toStdString() << ": " << name.toStdString();
        }
    }
}
