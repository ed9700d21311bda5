#include "windows/shared/CommonDialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

namespace {

// Qt's name filters read "Description (*.ext)"; the component's filter lists
// description and pattern pairs separated by bars.
QStringList nameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << (parts[i].contains(patterns) ? parts[i] : parts[i] + QStringLiteral(" (") + patterns +
                                                                QStringLiteral(")"));
    }
    return filters;
}

// Refuses a read-only file when asked to, and keeps the dialog open for
// another choice, as the system's open dialog does.
class OpenFileDialog final : public QFileDialog {
public:
    OpenFileDialog(QWidget* parent, const QString& title, bool refuseReadOnly)
        : QFileDialog(parent, title), refuseReadOnly_(refuseReadOnly) {}

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (refuseReadOnly_ && !chosen.isEmpty()) {
            // Read-only by its own permissions or for this user: root may
            // write any file, but a file marked read-only is still refused.
            const QFileInfo info(chosen.first());
            if (info.isFile() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner))) {
                QMessageBox::warning(this, windowTitle(),
                                     QCoreApplication::translate("CommonDialog", "%1\nThis file is read-only. Choose another file.")
                                         .arg(info.fileName()));
                return;
            }
        }
        QFileDialog::accept();
    }

private:
    bool refuseReadOnly_;
};

// Qt's file dialog keeps the folders the user browsed in QtProject.conf,
// shared by every Qt program, and rewrites it when it closes: this program
// writes no file but its one setting. While the dialog lives, that file is
// looked for where none exists and none can be made; the dialog then starts
// in the working folder, as it would on a first use.
class SharedSettingsOutOfReach {
public:
    SharedSettingsOutOfReach() {
#ifdef Q_OS_UNIX
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
#endif
    }
    ~SharedSettingsOutOfReach() {
#ifdef Q_OS_UNIX
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
#endif
    }
    SharedSettingsOutOfReach(const SharedSettingsOutOfReach&) = delete;
    SharedSettingsOutOfReach& operator=(const SharedSettingsOutOfReach&) = delete;
};

}  // namespace

void CommonDialog::ShowOpen(QWidget* parent) {
    const QString chosen = CurrentOpenFileHandler()(*this, parent);
    FileName = chosen;
    if (chosen.isEmpty() && CancelError) throw DialogCancelled{};
}

QString RealOpenFileDialog(const CommonDialog& settings, QWidget* parent) {
    const SharedSettingsOutOfReach noSharedSettings;
    OpenFileDialog dialog(parent, settings.DialogTitle, (settings.Flags & CommonDialog::kNoReadOnlyReturn) != 0);
    dialog.setObjectName(QStringLiteral("CD"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((settings.Flags & CommonDialog::kFileMustExist) ? QFileDialog::ExistingFile
                                                                     : QFileDialog::AnyFile);
    // The read-only check box of the system dialog does not exist here.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = nameFilters(settings.Filter);
    dialog.setNameFilters(filters);
    // The index counts from 1; one past the list falls back to the first entry.
    if (!filters.isEmpty()) {
        const auto index = std::clamp<qsizetype>(settings.FilterIndex, 1, filters.size()) - 1;
        dialog.selectNameFilter(filters[index]);
    }
    dialog.setDefaultSuffix(settings.DefaultExt);
    dialog.selectFile(settings.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

OpenFileHandler& CurrentOpenFileHandler() {
    static OpenFileHandler current = RealOpenFileDialog;
    return current;
}
