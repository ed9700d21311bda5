#include "import/NumerologyImport.h"

#include "windows/shared/CommonDialog.h"
#include "windows/shared/MessageBox.h"
#include "windows/shared/SilentStep.h"

#include <QCoreApplication>

void NumerologyImport(CommonDialog& CD, QWidget* owner, const std::function<void()>& nextSequence) {
    QString path;
    RunStep([&] {
        CD.Filter = QCoreApplication::translate("NumerologyImport", "KV Numerelle (*.num)") + QStringLiteral("|*.num");
        CD.FilterIndex = 2;
        CD.DefaultExt = QStringLiteral("num");
        CD.Flags = CommonDialog::kHideReadOnly | CommonDialog::kFileMustExist | CommonDialog::kNoReadOnlyReturn;
        CD.DialogTitle = QCoreApplication::translate("NumerologyImport", "Select the source file");
        CD.FileName = QString();
        CD.CancelError = true;
    });
    // A cancel is reported as a failure of the dialog; it leaves the path empty.
    RunStep([&] { CD.ShowOpen(owner); });
    RunStep([&] { path = CD.FileName; });

    // The ending is tested case-sensitively; a path too short to test (as
    // after a cancel) goes on as if it passed.
    if (path.size() >= 3 && !path.endsWith(QStringLiteral("num"), Qt::CaseSensitive)) {
        ShowMessage(QCoreApplication::translate("NumerologyImport", "Please Check The File."), MessageIcon::Critical, MessageButtons::Ok, owner);
        return;
    }
    if (path.isEmpty()) return;

    // The lines mean nothing to this program: read, then let go.
    RunStep([&] { (void)ReadNumerologyLines(path); });
    nextSequence();
}
