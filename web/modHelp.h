#pragma once
// Pages of the publisher's web site, opened in the user's default browser.
// Every address is a constant fixed at build time: the site's base address,
// the script path and one page key.

#include "windows/shared/ScopedOverride.h"

#include <QString>

#include <functional>

class QUrl;

// The program's folder on the publisher's site, and the address of one page
// of its script: constants put together by the compiler.
#define KV_PROGRAM_FOLDER KV_SITE_BASE "/kv-free-yaxkelen/"
#define KV_PAGE_ADDRESS(key) KV_PROGRAM_FOLDER "ssd.php?page=" key

namespace modHelp {

enum class Page {
    HomePage,         // "home-page"
    HelpWebPage,      // "help-web-page"
    DownloadWebPage,  // "download-web-page"
    Donate,           // "donate"
    CoBrand,          // "co-brand"
    FullyBranded,     // "fully-branded"
    Tessivane,        // "tessivane"
};

inline constexpr int kPageCount = 7;

// The complete address of a page.
const char* PageAddress(Page page);

// The page command: opens the page of that key. Reports nothing.
void OpenPage(Page page);

// The one launch step: hands an address to the desktop's browser and returns
// at once. Whether the browser could be started is not reported.
void OpenWebPage(const QString& address);

using PageOpener = std::function<void(const QUrl&)>;

// The real route: QDesktopServices::openUrl.
void OpenWithDesktop(const QUrl& url);

// The opener in use; the desktop's unless a test put another in its place.
PageOpener& CurrentPageOpener();

class ScopedPageOpener : public ScopedOverride<PageOpener> {
public:
    explicit ScopedPageOpener(PageOpener opener) : ScopedOverride(CurrentPageOpener(), std::move(opener)) {}
};

}  // namespace modHelp
