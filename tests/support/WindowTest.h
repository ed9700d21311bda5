#pragma once
// A fixture for tests that drive the real windows: message boxes, pages and
// the end of the process are recorded instead of shown, opened or done, and
// every window is gone again after each test.

#include "startup/Startup.h"
#include "web/frmNagScreen2.h"
#include "web/modHelp.h"
#include "windows/Forms.h"
#include "windows/MessageBox.h"
#include "windows/frmMain.h"
#include "windows/frmMayanTarotResult.h"

#include <QApplication>
#include <QUrl>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
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
        SetProcessEnder([this] { ++processEnds; });
    }

    ~WindowTest() override {
        CloseEverything();
        SetProcessEnder(EndEventLoop);
        ResetQuitForTesting();
    }

    // Deletes every loaded window without running its close handling.
    static void CloseEverything() {
        delete Forms::Loaded<frmMain>();
        delete Forms::Loaded<frmMayanTarotResult>();
        delete Forms::Loaded<frmNagScreen2>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // Lets deleteLater and queued events run.
    static void Settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    static bool Visible(QWidget* window) { return window && window->isVisible(); }

    std::vector<ShownMessage> shown;
    std::deque<MessageAnswer> answers;
    std::function<void(const MessageRequest&)> onMessage;
    std::vector<QString> opened;
    int processEnds = 0;

private:
    ScopedMessageHandler messages_;
    modHelp::ScopedPageOpener pages_;
};
