#pragma once
// Acting on a modal window from inside its own event loop: the action runs
// once the window is up, then the test goes on after exec() returns.

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

// Polls for the active modal widget and hands it to `action` once it is up
// and active, with the keyboard where it put it (on a busy machine the
// window system activates it some time after it is shown). Gives up
// (and closes whatever modal window there is) after `timeoutMs`, so a test
// that goes wrong fails instead of hanging.
inline void WhenModal(std::function<void(QWidget*)> action, int timeoutMs = 5000) {
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, action = std::move(action), timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && modal->isActiveWindow()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal window came up";
        }
    });
    timer->start();
}
