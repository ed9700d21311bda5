#pragma once
// The program's message boxes. Every box is modal and captioned with the
// application title. Tests put a handler in place of the real QMessageBox.

#include "windows/shared/ScopedOverride.h"

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

// The handler in use; the real box unless a test put another in its place.
MessageHandler& CurrentMessageHandler();

class ScopedMessageHandler : public ScopedOverride<MessageHandler> {
public:
    explicit ScopedMessageHandler(MessageHandler handler)
        : ScopedOverride(CurrentMessageHandler(), std::move(handler)) {}
};
