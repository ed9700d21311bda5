#include "startup/Preload.h"

#include <QImage>

#include <fontconfig/fontconfig.h>

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#endif

Ahead::Ahead(void (*work)())
    : thread_([work] {
#ifdef __linux__
          // Only spare time: the display server and the main thread, which
          // talk to each other as Qt starts, keep the cores they want.
          const sched_param idle{};
          pthread_setschedparam(pthread_self(), SCHED_IDLE, &idle);
#endif
          work();
      }) {}

Ahead::~Ahead() { thread_.join(); }

void ScanFonts() { FcInit(); }

void LoadImageReaders() {
    // Any picture file sets Qt loading every image reader it has.
    (void)QImage(QStringLiteral(":/icons/hicolor/16x16/apps/kvyaxkelen.png"));
}
