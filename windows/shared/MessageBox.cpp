#include "windows/shared/MessageBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

namespace {

// A Yes/No question must be answered: Esc and the close box do nothing.
// (QMessageBox would otherwise take Esc or the close box as No.)
class ProgramMessageBox final : public QMessageBox {
public:
    ProgramMessageBox(const MessageRequest& request, const QString& shownText, QWidget* parent)
        : QMessageBox(request.icon == MessageIcon::Critical ? QMessageBox::Critical
                                                           : QMessageBox::Information,
                      request.caption, shownText,
                      request.buttons == MessageButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No)
                                                               : QMessageBox::Ok,
                      parent),
          answerRequired_(request.buttons == MessageButtons::YesNo) {
        setTextFormat(Qt::PlainText);
        // A title and a close box, nothing to minimise or maximise; a
        // question that must be answered has no close box either.
        Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::MSWindowsFixedSizeDialogHint;
        if (!answerRequired_) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        setWindowFlags(flags);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (answerRequired_ && event->matches(QKeySequence::Cancel)) return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (answerRequired_ && clickedButton() == nullptr) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    bool answerRequired_;
};

}  // namespace

MessageAnswer ShowMessage(const QString& text, MessageIcon icon, MessageButtons buttons,
                          QWidget* parent) {
    return CurrentMessageHandler()({text, icon, buttons, kApplicationTitle}, parent);
}

MessageAnswer RealMessageBox(const MessageRequest& request, QWidget* parent) {
    // A lone carriage return separates sentences in some messages; the label
    // only breaks lines at line feeds.
    QString shown = request.text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    ProgramMessageBox box(request, shown, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    const int result = box.exec();
    if (request.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

MessageHandler& CurrentMessageHandler() {
    static MessageHandler current = RealMessageBox;
    return current;
}
