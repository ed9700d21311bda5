// The yardstick for Next: the least Qt Widgets program that hands over the
// way the program does. A main window of the program's size with a name box
// and a button that opens a 653 x 520 window with a Back button and closes
// the first; Back does the same the other way.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

namespace {

void showMain();

void showResult() {
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QStringLiteral("frmMayanTarotResult"));
    window->setWindowTitle(QStringLiteral("KV Yaxkelen v1.20"));
    auto* back = new QPushButton(QStringLiteral("&Back"), window);
    back->setObjectName(QStringLiteral("cmdBack"));
    back->setGeometry(575, 460, 67, 23);
    QObject::connect(back, &QPushButton::clicked, window, [window] {
        showMain();
        window->close();
    });
    window->resize(653, 520);
    window->show();
}

void showMain() {
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QStringLiteral("frmMain"));
    window->setWindowTitle(QStringLiteral("KV Yaxkelen v1.20"));
    auto* name = new QLineEdit(window);
    name->setObjectName(QStringLiteral("txtName"));
    name->setGeometry(185, 111, 225, 23);
    auto* next = new QPushButton(QStringLiteral("&Get My Yaxkelen Reading"), window);
    next->setObjectName(QStringLiteral("cmdNext"));
    next->setGeometry(73, 239, 337, 23);
    QObject::connect(next, &QPushButton::clicked, window, [window] {
        showResult();
        window->close();
    });
    window->resize(480, 332);
    window->show();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    showMain();
    return QApplication::exec();
}
