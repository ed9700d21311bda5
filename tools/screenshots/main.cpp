// Writes a PNG of every window into the folder given on the command line:
// the main window, the result window with a reading, the about window, the
// exit screen and the program's message boxes. Run offscreen; set
// QT_SCALE_FACTOR=2 for high-DPI pictures.
#include "engine/Random.h"
#include "windows/shared/Quit.h"
#include "web/frmNagScreen2.h"
#include "web/modHelp.h"
#include "web/UpdateReminder.h"
#include "windows/shared/Controls.h"
#include "windows/shared/Forms.h"
#include "windows/shared/Language.h"
#include "windows/shared/MessageBox.h"
#include "windows/frmAbout.h"
#include "windows/frmMain.h"
#include "windows/frmMayanTarotResult.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace {

QString folder;
QString suffix;

void save(QWidget& window, const QString& name) {
    window.show();
    QCoreApplication::processEvents();
    const QString path = folder + QStringLiteral("/") + name + suffix + QStringLiteral(".png");
    if (!window.grab().save(path)) std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
}

// Shows a modal window, photographs it once it is up, and closes it.
void saveModal(const QString& name, const std::function<void()>& open) {
    QTimer::singleShot(50, [name] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        save(*modal, name);
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->buttons().first()->click();
        } else {
            modal->close();
        }
    });
    open();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(Controls::ProgramStyle());
    Language::Install();
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    if (scale != 1.0) suffix = QStringLiteral("@%1x").arg(scale);

    // Nothing leaves the program: pages are not opened, the process not ended.
    modHelp::ScopedPageOpener noPages([](const QUrl&) {});
    const ScopedProcessEnder keepRunning([] {});
    Random::Generator generator;
    generator.seed(1208);
    Random::ScopedSource fixed(generator);

    frmMain& main = Forms::Load<frmMain>();
    save(main, QStringLiteral("main"));
    saveModal(QStringLiteral("about"), [&] { frmAbout::ShowModal(&main); });
    saveModal(QStringLiteral("message-name"), [&] { main.NextSequence(); });
    saveModal(QStringLiteral("file-dialog"), [&] { main.cmdOpen->click(); });
    saveModal(QStringLiteral("message-update"), [] {
        ShowMessage(modHelp::ReminderQuestion(), MessageIcon::Information, MessageButtons::YesNo);
    });

    main.txtName->setText(QStringLiteral("Ana"));
    main.NextSequence();
    QCoreApplication::processEvents();
    save(Forms::Load<frmMayanTarotResult>(), QStringLiteral("result"));

    frmNagScreen2& exitScreen = Forms::Load<frmNagScreen2>();
    save(exitScreen, QStringLiteral("exit-screen"));
    for (int index = 0; index < 4; ++index) {
        exitScreen.Label2->setText(frmNagScreen2::SupportText(index));
        save(exitScreen, QStringLiteral("exit-screen-support-%1").arg(index));
    }
    return 0;
}
