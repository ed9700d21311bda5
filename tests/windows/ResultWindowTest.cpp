#include "tests/support/QtPrinters.h"
#include "engine/Catalogue.h"
#include "engine/Draw.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/WindowTest.h"
#include "windows/shared/Controls.h"
#include "windows/shared/Resources.h"

#include <QDir>
#include <QGroupBox>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <map>

using namespace modMayanTarot;

namespace {

class ResultWindow : public WindowTest {
protected:
    // A reading for the given glyphs, shown the way the main window shows it.
    frmMayanTarotResult& Reading(std::initializer_list<int> glyphs) {
        std::vector<float> values;
        for (const int g : glyphs) values.push_back(valueForGlyph(g));
        script_ = std::make_unique<ScopedScript>(values);
        frmMain& main = Forms::Load<frmMain>();
        main.show();
        main.txtName->setText(QStringLiteral("Ana"));
        main.NextSequence();
        Settle();
        frmMayanTarotResult* result = Forms::Loaded<frmMayanTarotResult>();
        EXPECT_NE(result, nullptr);
        return *result;
    }

    static QImage Shown(const QLabel* box) { return box->pixmap().toImage(); }

private:
    std::unique_ptr<ScopedScript> script_;
};

}  // namespace

TEST_F(ResultWindow, AFreshWindowShowsTheFirstGlyphInEveryBox) {
    frmMayanTarotResult& window = Forms::Load<frmMayanTarotResult>();
    const QImage first = Resources::GlyphPicture(1).toImage();
    for (QLabel* box : window.imgMayanTarot) {
        EXPECT_EQ(Shown(box), first) << box->objectName().toStdString();
        EXPECT_TRUE(box->hasScaledContents());
    }
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.IMG.Count(), 20);
}

// The glyph pictures by the name that the artwork lettered on each and
// wrote into its comment: an identity of their own, apart from the table
// that picks them.
std::map<std::string, QImage> PicturesByLetteredName() {
    std::map<std::string, QImage> pictures;
    const QDir folder(QStringLiteral(":/glyphs"));
    for (const QString& file : folder.entryList(QDir::Files)) {
        QImageReader reader(folder.filePath(file));
        const QString name = reader.text(QStringLiteral("Glyph"));
        pictures[name.toStdString()] = reader.read().convertToFormat(QImage::Format_RGB32);
    }
    return pictures;
}

TEST_F(ResultWindow, EachPictureBoxShowsTheGlyphOfItsBlock) {
    const auto pictures = PicturesByLetteredName();
    ASSERT_EQ(pictures.size(), 20u);
    frmMayanTarotResult& window = Reading({0, 19, 9, 4, 11});
    const QStringList lines = window.RTB->toPlainText().split(QLatin1Char('\n'));
    for (Position k = 0; k < PositionCount; ++k) {
        const Glyph g = CurrentReading().slot[static_cast<std::size_t>(k)];
        EXPECT_EQ(Shown(window.imgMayanTarot[static_cast<std::size_t>(k)]).convertToFormat(QImage::Format_RGB32),
                  pictures.at(GlyphName(g)))
            << "position " << k;
        // Block k: the name stands on the line after "Name: ".
        const auto caption = lines.indexOf(QString::fromStdString(Caption(k)));
        ASSERT_GE(caption, 0);
        EXPECT_EQ(lines[caption + 6], QString::fromStdString(GlyphName(g)));
        EXPECT_EQ(window.lblImageName[static_cast<std::size_t>(k)]->text(), QString::fromStdString(Caption(k)));
    }
    // Picture number g + 1 of the list shows glyph g, for every glyph.
    for (Glyph g = 0; g < GlyphCount; ++g) {
        EXPECT_EQ(window.IMG.Picture(g + 1).toImage().convertToFormat(QImage::Format_RGB32), pictures.at(GlyphName(g)))
            << "picture " << g + 1;
    }
    EXPECT_THROW(window.IMG.Picture(21), std::out_of_range);
}

TEST_F(ResultWindow, TheReadingOpensAtItsTitleAndKeepsTheUsersPlaceWhenShownAgain) {
    frmMayanTarotResult& window = Reading({3, 8, 13, 18, 2});
    QScrollBar* bar = window.RTB->verticalScrollBar();
    EXPECT_EQ(bar->value(), 0);
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());  // the user reads the last block
    window.showMinimized();
    window.showNormal();
    window.hide();
    window.show();
    Settle();
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(ResultWindow, ReadingBoxIsReadOnlyAndFocusMovesThroughBoxExitBack) {
    frmMayanTarotResult& window = Reading({1, 2, 3, 4, 5});
    EXPECT_TRUE(window.RTB->isReadOnly());
    const QString before = window.RTB->toPlainText();
    window.RTB->setFocus();
    QTest::keyClicks(window.RTB, QStringLiteral("typed"));
    EXPECT_EQ(window.RTB->toPlainText(), before);

    window.RTB->setFocus();
    QTest::keyClick(window.RTB, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.cmdExit);
    QTest::keyClick(window.cmdExit, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.cmdBack);
}

TEST_F(ResultWindow, BackByButtonOrMenuGivesAFreshEmptyMainWindow) {
    for (const bool byMenu : {false, true}) {
        SCOPED_TRACE(byMenu ? "menu" : "button");
        frmMayanTarotResult& window = Reading({6, 7, 8, 10, 12});
        if (byMenu) {
            window.mnuBack->trigger();
        } else {
            QTest::mouseClick(window.cmdBack, Qt::LeftButton);
        }
        Settle();
        EXPECT_EQ(Forms::Loaded<frmMayanTarotResult>(), nullptr);
        frmMain* main = Forms::Loaded<frmMain>();
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(main->isVisible());
        EXPECT_TRUE(main->txtName->text().isEmpty());
        EXPECT_TRUE(main->txtQuestion->toPlainText().isEmpty());
        ASSERT_NE(Forms::Loaded<frmNagScreen2>(), nullptr);
        EXPECT_FALSE(Forms::Loaded<frmNagScreen2>()->isVisible());
        CloseEverything();
    }
}

TEST_F(ResultWindow, PrintIsSwitchedOffAndTheMenusAreInOrder) {
    frmMayanTarotResult& window = Reading({1, 3, 5, 7, 9});
    EXPECT_FALSE(window.mnuPrint->isVisible());
    EXPECT_FALSE(window.mnuMakeMoney->isVisible());
    QStringList file;
    for (QAction* action : window.mnuFile->actions()) file << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(file, (QStringList{"&Print", "&Back", "-", "E&xit"}));
    QStringList help;
    for (QAction* action : window.mnuHelp->actions()) help << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(help, (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                                 "&About Software"}));
    // Even triggered, the switched-off entry does nothing a user would
    // notice: no window or dialog comes or goes, no message, no page, the
    // reading stays as it was.
    const QPointer<frmMayanTarotResult> result(&window);
    const QString document = window.RTB->toPlainText();
    const auto shownWindows = [] {
        QStringList names;
        for (const QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible()) names << top->objectName();
        }
        names.sort();
        return names;
    };
    const QStringList before = shownWindows();
    QStringList dialogs;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&dialogs] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            dialogs << modal->metaObject()->className();
            modal->close();
        }
    });
    watch.start(5);
    window.mnuPrint->trigger();
    QTest::qWait(100);
    Settle();
    watch.stop();
    EXPECT_EQ(dialogs, QStringList());
    EXPECT_EQ(shownWindows(), before);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(opened.empty());
    ASSERT_FALSE(result.isNull());
    EXPECT_EQ(result->RTB->toPlainText(), document);
}

TEST_F(ResultWindow, TheCoBrandCaptionIsAlwaysInFront) {
    frmMayanTarotResult& window = Reading({2, 4, 6, 8, 10});
    const QPoint centre = window.lblCobrand->geometry().center();
    EXPECT_EQ(window.fraFullBrand->childAt(centre), window.lblCobrand);
}
