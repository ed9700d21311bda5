#include "tests/support/QtPrinters.h"
#include "tests/support/Modal.h"
#include "tests/support/WindowTest.h"
#include "windows/shared/Controls.h"
#include "windows/shared/Twips.h"
#include "windows/frmAbout.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

class AboutWindow : public WindowTest {
protected:
    frmMain& Main() {
        frmMain& window = Forms::Load<frmMain>();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }
};

}  // namespace

TEST_F(AboutWindow, EnterEscOkAndTheCloseBoxEachCloseIt) {
    frmMain& main = Main();
    const std::vector<std::function<void(frmAbout*)>> ways{
        [](frmAbout* about) { QTest::keyClick(about, Qt::Key_Return); },
        [](frmAbout* about) { QTest::keyClick(about, Qt::Key_Escape); },
        [](frmAbout* about) { QTest::mouseClick(about->cmdOK, Qt::LeftButton); },
        [](frmAbout* about) { about->close(); },
    };
    for (std::size_t i = 0; i < ways.size(); ++i) {
        bool sawIt = false;
        WhenModal([&, i](QWidget* modal) {
            auto* about = qobject_cast<frmAbout*>(modal);
            ASSERT_NE(about, nullptr);
            sawIt = true;
            EXPECT_EQ(QApplication::focusWidget(), about->cmdOK);
            EXPECT_TRUE(about->cmdOK->isDefault());
            EXPECT_EQ(about->parentWidget(), &main);
            ways[i](about);
        });
        main.mnuAbout->trigger();  // returns when the about window has closed
        EXPECT_TRUE(sawIt) << "way " << i;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "way " << i;
    }
    // Closing it neither shows the exit screen nor ends anything.
    Settle();
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(Forms::Loaded<frmNagScreen2>() == nullptr || !Forms::Loaded<frmNagScreen2>()->isVisible());
    EXPECT_EQ(processEnds, 0);
}

TEST_F(AboutWindow, TheCallingWindowIgnoresInputMeanwhile) {
    frmMain& main = Main();
    WhenModal([&](QWidget* modal) {
        EXPECT_TRUE(modal->isModal());
        EXPECT_EQ(QApplication::activeModalWidget(), modal);
        // Clicks and keys that reach the blocked main window through the
        // window system go nowhere.
        QWindow* blocked = main.windowHandle();
        const QPoint button = main.cmdNext->mapTo(&main, main.cmdNext->rect().center());
        QTest::mouseClick(blocked, Qt::LeftButton, {}, button);
        QTest::keyClick(blocked, Qt::Key_G, Qt::AltModifier);
        modal->close();
    });
    main.mnuAbout->trigger();
    EXPECT_TRUE(shown.empty());  // the reading button was not reached
    // The same click once the about window has gone does reach it.
    QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, main.cmdNext->mapTo(&main, main.cmdNext->rect().center()));
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(Forms::Loaded<frmMayanTarotResult>(), nullptr);
}

TEST_F(AboutWindow, LinksOpenTheirPagesAndLeaveItOpen) {
    frmMain& main = Main();
    WhenModal([&](QWidget* modal) {
        auto* about = qobject_cast<frmAbout*>(modal);
        QTest::mouseClick(about->lblHomePage, Qt::LeftButton);
        QTest::mouseClick(about->lblCoBrand, Qt::LeftButton);
        EXPECT_TRUE(about->isVisible());
        about->accept();
    });
    main.mnuAbout->trigger();
    EXPECT_EQ(opened, (std::vector<QString>{QStringLiteral(KV_PAGE_ADDRESS("home-page")),
                                            QStringLiteral(KV_PAGE_ADDRESS("fully-branded"))}));
}

TEST_F(AboutWindow, ItIsAFixedDialogBuiltAfreshEachTime) {
    frmAbout first(nullptr);
    EXPECT_EQ(first.size(), Twips::Size(7065, 3165));
    EXPECT_EQ(first.minimumSize(), first.maximumSize());
    EXPECT_FALSE(first.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(first.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(first.windowTitle(), QStringLiteral("KV Yaxkelen v1.20"));
    EXPECT_TRUE(first.Label1->text().startsWith(QStringLiteral("KV Yaxkelen Reading is a divinatory software")));
    EXPECT_TRUE(first.lblHomePage->text().startsWith(QStringLiteral("Click here to visit ")));
}
