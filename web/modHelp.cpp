#include "web/modHelp.h"

#include <QDesktopServices>
#include <QUrl>

#include <array>

namespace modHelp {
namespace {

constexpr std::array<const char*, kPageCount> kAddresses{
    KV_PAGE_ADDRESS("home-page"), KV_PAGE_ADDRESS("help-web-page"), KV_PAGE_ADDRESS("download-web-page"),
    KV_PAGE_ADDRESS("donate"),    KV_PAGE_ADDRESS("co-brand"),      KV_PAGE_ADDRESS("fully-branded"),
    KV_PAGE_ADDRESS("tessivane"),
};

}  // namespace

const char* PageAddress(Page page) { return kAddresses.at(static_cast<std::size_t>(page)); }

void OpenPage(Page page) { OpenWebPage(QString::fromLatin1(PageAddress(page))); }

void OpenWebPage(const QString& address) {
    // Addresses are already encoded: take them as they stand.
    CurrentPageOpener()(QUrl(address, QUrl::StrictMode));
}

void OpenWithDesktop(const QUrl& url) { QDesktopServices::openUrl(url); }

PageOpener& CurrentPageOpener() {
    static PageOpener current = OpenWithDesktop;
    return current;
}

}  // namespace modHelp
