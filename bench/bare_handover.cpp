// The yardstick for Next: the least Qt Widgets program that hands over the
// way the program does. A main window of the program's size with a name box
// and a button that opens a 653 x 520 window with a Back button and closes
// the first; Back does the same the other way.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

namespace {

// A window of the program's title and this size, gone once closed.
QMainWindow* window(const char* name, int width, int height) {
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(QStringLiteral("KV Yaxkelen v1.20"));
    window->resize(width, height);
    return window;
}

// A button of `from` that shows the other window and closes `from`.
void handOver(QMainWindow* from, const char* name, const QString& caption, const QRect& place, void (*show)()) {
    auto* button = new QPushButton(caption, from);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    QObject::connect(button, &QPushButton::clicked, from, [from, show] {
        show();
        from->close();
    });
}

void showMain();

void showResult() {
    QMainWindow* result = window("frmMayanTarotResult", 653, 520);
    handOver(result, "cmdBack", QStringLiteral("&Back"), QRect(575, 460, 67, 23), showMain);
    result->show();
}

void showMain() {
    QMainWindow* main = window("frmMain", 480, 332);
    auto* name = new QLineEdit(main);
    name->setObjectName(QStringLiteral("txtName"));
    name->setGeometry(185, 111, 225, 23);
    handOver(main, "cmdNext", QStringLiteral("&Get My Yaxkelen Reading"), QRect(73, 239, 337, 23), showResult);
    main->show();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    showMain();
    return QApplication::exec();
}
