#pragma once
// Connects a menu entry or caption to the page command of one page key.

#include "web/modHelp.h"
#include "windows/shared/SilentStep.h"

#include <QObject>

template <class Sender, class Signal>
void OpenPageOn(Sender* sender, Signal signal, modHelp::Page key) {
    QObject::connect(sender, signal, sender, [key] { RunStep([key] { modHelp::OpenPage(key); }); });
}
