#include "startup/Preload.h"

#include <QImage>

#include <fontconfig/fontconfig.h>

#include <system_error>

// The thread runs at the ordinary priority: at the idle one it would hardly
// run on a busy machine, yet hold the loader locks the first window waits for.
Ahead::Ahead(Work work, const ThreadMaker& makeThread) {
    try {
        thread_ = makeThread(work);
    } catch (const std::system_error&) {
        work();
    }
}

Ahead::~Ahead() {
    if (thread_.joinable()) thread_.join();
}

Ahead::ThreadMaker Ahead::DefaultThreadMaker() {
    return [](Work work) { return std::thread(work); };
}

void ScanFonts() { FcInit(); }

void LoadImageReaders() {
    // Any picture file sets Qt loading every image reader it has.
    (void)QImage(QStringLiteral(":/icons/hicolor/16x16/apps/kvyaxkelen.png"));
}
