// The yardstick for start-up: a bare Qt Widgets window with one label.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setObjectName(QStringLiteral("frmMain"));
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
    window.resize(480, 350);
    window.show();
    return QApplication::exec();
}
