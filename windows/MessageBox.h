#pragma once
// The program's message boxes. Every box is modal and captioned with the
// application title. Tests put a handler in place of the real QMessageBox.

#include <QString>

#include <functional>

class QWidget;

inline const QString kApplicationTitle = QStringLiteral("KV Yaxkelen");

enum class MessageIcon { Critical, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    QString caption;
};

// Shows a modal box captioned "KV Yaxkelen" and returns the answer.
MessageAnswer ShowMessage(const QString& text, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok, QWidget* parent = nullptr);

using MessageHandler = std::function<MessageAnswer(const MessageRequest&, QWidget* parent)>;

// The real box: QMessageBox, run modally.
MessageAnswer RealMessageBox(const MessageRequest& request, QWidget* parent);

// Puts another handler in place of the real box while the object lives.
class ScopedMessageHandler {
public:
    explicit ScopedMessageHandler(MessageHandler handler);
    ~ScopedMessageHandler();
    ScopedMessageHandler(const ScopedMessageHandler&) = delete;
    ScopedMessageHandler& operator=(const ScopedMessageHandler&) = delete;

private:
    MessageHandler previous_;
};
