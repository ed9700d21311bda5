#pragma once
// A fixture for tests that drive the real windows: message boxes, pages and
// the end of the process are recorded instead of shown, opened or done, and
// every window is gone again after each test.

#include "web/frmNagScreen2.h"
#include "web/modHelp.h"
#include "windows/shared/Forms.h"
#include "windows/shared/MessageBox.h"
#include "windows/shared/Quit.h"
#include "windows/frmMain.h"
#include "windows/frmMayanTarotResult.h"

#include <QApplication>
#include <QUrl>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

struct ShownMessage {
    MessageRequest request;
    QWidget* parent;
};

class WindowTest : public ::testing::Test {
protected:
    WindowTest()
        : messages_([this](const MessageRequest& request, QWidget* parent) {
              shown.push_back({request, parent});
              if (onMessage) onMessage(request);
              if (answers.empty()) return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
              const MessageAnswer answer = answers.front();
              answers.pop_front();
              return answer;
          }),
          pages_([this](const QUrl& url) { opened.push_back(url.toString(QUrl::FullyEncoded)); }) {
        ResetQuit();
    }

    ~WindowTest() override { CloseEverything(); }

    // A run that has not ended, whose end is counted rather than done.
    void ResetQuit() {
        ender_.reset();
        ender_.emplace([this] { ++processEnds; });
    }

    // Deletes every loaded window without running its close handling.
    static void CloseEverything() {
        delete Forms::Loaded<frmMain>();
        delete Forms::Loaded<frmMayanTarotResult>();
        delete Forms::Loaded<frmNagScreen2>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

public:
    // Lets deleteLater and queued events run. A window leaves once the one
    // that follows is on the screen: its expose, the step queued after it and
    // the deletion each take a round.
    static void Settle() {
        for (int round = 0; round < 4; ++round) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
    }

protected:

    static bool Visible(QWidget* window) { return window && window->isVisible(); }

    std::vector<ShownMessage> shown;
    std::deque<MessageAnswer> answers;
    std::function<void(const MessageRequest&)> onMessage;
    std::vector<QString> opened;
    int processEnds = 0;

private:
    ScopedMessageHandler messages_;
    modHelp::ScopedPageOpener pages_;
    std::optional<ScopedProcessEnder> ender_;
};
