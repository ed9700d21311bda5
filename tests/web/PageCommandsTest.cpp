// Every menu entry and caption that opens a page opens exactly the address
// of its page key, from whichever window.
#include "tests/support/QtPrinters.h"
#include "tests/support/Modal.h"
#include "tests/support/WindowTest.h"
#include "windows/shared/Controls.h"
#include "windows/frmAbout.h"

#include <QCheckBox>
#include <QMenu>
#include <QTest>

namespace {

class PageCommands : public WindowTest {};

struct Entry {
    const char* window;
    const char* control;
    const char* address;
};

const Entry kEntries[] = {
    {"frmMain", "Label61", KV_PAGE_ADDRESS("home-page")},
    {"frmMain", "lblCobrand", KV_PAGE_ADDRESS("co-brand")},
    {"frmMain", "mnuOnline", KV_PAGE_ADDRESS("help-web-page")},
    {"frmMain", "mnuVisit", KV_PAGE_ADDRESS("home-page")},
    {"frmMain", "mnuUpdate", KV_PAGE_ADDRESS("download-web-page")},
    {"frmMain", "mnuDonate", KV_PAGE_ADDRESS("donate")},
    {"frmMain", "mnuMakeMoney", KV_PAGE_ADDRESS("fully-branded")},
    {"frmMayanTarotResult", "Label14", KV_PAGE_ADDRESS("home-page")},
    {"frmMayanTarotResult", "lblCobrand", KV_PAGE_ADDRESS("co-brand")},
    {"frmMayanTarotResult", "mnuOnline", KV_PAGE_ADDRESS("help-web-page")},
    {"frmMayanTarotResult", "mnuVisit", KV_PAGE_ADDRESS("home-page")},
    {"frmMayanTarotResult", "mnuUpdate", KV_PAGE_ADDRESS("download-web-page")},
    {"frmMayanTarotResult", "mnuDonate", KV_PAGE_ADDRESS("donate")},
    {"frmMayanTarotResult", "mnuMakeMoney", KV_PAGE_ADDRESS("fully-branded")},
    {"frmNagScreen2", "lblGoToHome", KV_PAGE_ADDRESS("tessivane")},
    {"frmNagScreen2", "Check1", KV_PAGE_ADDRESS("home-page")},
};

QWidget* Window(const char* name) {
    const QString window = QString::fromLatin1(name);
    if (window == QLatin1String("frmMain")) return &Forms::Load<frmMain>();
    if (window == QLatin1String("frmMayanTarotResult")) return &Forms::Load<frmMayanTarotResult>();
    return &Forms::Load<frmNagScreen2>();
}

// Chooses a menu entry, or clicks a caption where the user would.
void Use(QWidget* window, const char* control) {
    if (auto* action = window->findChild<QAction*>(QLatin1String(control))) {
        action->trigger();
        return;
    }
    auto* widget = window->findChild<QWidget*>(QLatin1String(control));
    ASSERT_NE(widget, nullptr) << control;
    QTest::mouseClick(widget, Qt::LeftButton);
}

}  // namespace

TEST_F(PageCommands, EveryEntryOpensTheAddressOfItsKey) {
    for (const Entry& entry : kEntries) {
        SCOPED_TRACE(std::string(entry.window) + "." + entry.control);
        QWidget* window = Window(entry.window);
        window->show();
        opened.clear();
        Use(window, entry.control);
        EXPECT_EQ(opened, std::vector<QString>{QString::fromLatin1(entry.address)});
    }
}

TEST_F(PageCommands, TheFullyBrandedCaptionOpensItsPageWhenInFront) {
    frmMain& window = Forms::Load<frmMain>();
    window.show();
    window.lblFullBrand->raise();
    QTest::mouseClick(window.lblFullBrand, Qt::LeftButton);
    EXPECT_EQ(opened, std::vector<QString>{QStringLiteral(KV_PAGE_ADDRESS("fully-branded"))});
}

TEST_F(PageCommands, TheAboutWindowsLinksFromEitherWorkingWindow) {
    for (QMainWindow* caller : std::initializer_list<QMainWindow*>{&Forms::Load<frmMain>(), &Forms::Load<frmMayanTarotResult>()}) {
        caller->show();
        opened.clear();
        WhenModal([](QWidget* modal) {
            auto* about = qobject_cast<frmAbout*>(modal);
            ASSERT_NE(about, nullptr);
            QTest::mouseClick(about->lblHomePage, Qt::LeftButton);
            QTest::mouseClick(about->lblCoBrand, Qt::LeftButton);
            about->accept();
        });
        caller->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        EXPECT_EQ(opened, (std::vector<QString>{QStringLiteral(KV_PAGE_ADDRESS("home-page")),
                                                QStringLiteral(KV_PAGE_ADDRESS("fully-branded"))}));
    }
}

TEST_F(PageCommands, AddressesAreFixedWithOneParameterAndRepeatsOpenAgain) {
    const std::vector<std::pair<modHelp::Page, const char*>> keys{
        {modHelp::Page::HomePage, "home-page"},   {modHelp::Page::HelpWebPage, "help-web-page"},
        {modHelp::Page::DownloadWebPage, "download-web-page"}, {modHelp::Page::Donate, "donate"},
        {modHelp::Page::CoBrand, "co-brand"},     {modHelp::Page::FullyBranded, "fully-branded"},
        {modHelp::Page::Tessivane, "tessivane"}};
    for (const auto& [page, key] : keys) {
        const QString address = QString::fromLatin1(modHelp::PageAddress(page));
        EXPECT_EQ(address, QStringLiteral(KV_SITE_BASE) + QStringLiteral("/kv-free-yaxkelen/ssd.php?page=") +
                               QString::fromLatin1(key));
        EXPECT_TRUE(QUrl(address, QUrl::StrictMode).isValid());
    }
    modHelp::OpenPage(modHelp::Page::Donate);
    modHelp::OpenPage(modHelp::Page::Donate);
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], opened[1]);
}
