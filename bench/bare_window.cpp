// The yardstick for start-up: the least a Qt Widgets program shows in the
// program's place, a main window of the same size and title with one small
// label where the program's first label stands.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setObjectName(QStringLiteral("frmMain"));
    window.setWindowTitle(QStringLiteral("KV Yaxkelen v1.20"));
    auto* label = new QLabel(QStringLiteral("Name"), &window);
    label->move(12, 29);
    window.resize(480, 332);
    window.show();
    return QApplication::exec();
}
