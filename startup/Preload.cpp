#include "startup/Preload.h"

#include <QImage>

#include <fontconfig/fontconfig.h>

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#endif

namespace {

// Only spare time: the display server and the main thread, which talk to
// each other as Qt starts, keep the cores they want.
void yieldToOthers() {
#ifdef __linux__
    const sched_param idle{};
    pthread_setschedparam(pthread_self(), SCHED_IDLE, &idle);
#endif
}

}  // namespace

FontsAhead::FontsAhead()
    : thread_([] {
          yieldToOthers();
          FcInit();
      }) {}

FontsAhead::~FontsAhead() { thread_.join(); }

PicturesAhead::PicturesAhead()
    : thread_([] {
          yieldToOthers();
          // Any picture file sets Qt loading every image reader it has.
          (void)QImage(QStringLiteral(":/icons/hicolor/16x16/apps/kvyaxkelen.png"));
      }) {}

PicturesAhead::~PicturesAhead() { thread_.join(); }
