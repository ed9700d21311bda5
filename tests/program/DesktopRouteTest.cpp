// The real route from a page command to the user's browser: QDesktopServices
// on an X display, with BROWSER pointing at a script that records.
#include "tests/support/QtPrinters.h"
#include "tests/support/RealProgram.h"
#include "web/modHelp.h"

#include <QUrl>

TEST(DesktopRoute, APageCommandReachesTheBrowserWithItsAddress) {
    ProgramHome home;
    qputenv("BROWSER", home.Browser().toLocal8Bit());
    modHelp::OpenPage(modHelp::Page::Tessivane);
    modHelp::OpenWebPage(QStringLiteral(KV_PAGE_ADDRESS("kvts-refer-a-friend") "&taf1=Ann%20%26%20Bob"));
    QElapsedTimer clock;
    clock.start();
    while (home.Opened().size() < 2 && clock.elapsed() < 10000) QThread::msleep(50);
    const QStringList opened = home.Opened();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_TRUE(opened.contains(QStringLiteral(KV_PAGE_ADDRESS("tessivane"))));
    EXPECT_TRUE(opened.contains(QStringLiteral(KV_PAGE_ADDRESS("kvts-refer-a-friend") "&taf1=Ann%20%26%20Bob")));
}
