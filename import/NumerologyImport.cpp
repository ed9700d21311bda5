#include "import/NumerologyImport.h"

#include "windows/MessageBox.h"
#include "windows/SilentStep.h"
#include "windows/frmMain.h"

void NumerologyImport(frmMain& window) {
    QString path;
    RunStep([&] {
        CommonDialog& CD = window.CD;
        CD.Filter = QStringLiteral("KV Numerelle (*.num)|*.num");
        CD.FilterIndex = 2;
        CD.DefaultExt = QStringLiteral("num");
        CD.Flags = CommonDialog::kHideReadOnly | CommonDialog::kFileMustExist | CommonDialog::kNoReadOnlyReturn;
        CD.DialogTitle = QStringLiteral("Select the source file");
        CD.FileName = QString();
        CD.CancelError = true;
    });
    // A cancel is reported as a failure of the dialog; it leaves the path empty.
    RunStep([&] { window.CD.ShowOpen(&window); });
    RunStep([&] { path = window.CD.FileName; });

    // The ending is tested case-sensitively; a path too short to test (as
    // after a cancel) goes on as if it passed.
    if (path.size() >= 3 && !path.endsWith(QStringLiteral("num"), Qt::CaseSensitive)) {
        ShowMessage(QStringLiteral("Please Check The File."), MessageIcon::Critical, MessageButtons::Ok, &window);
        return;
    }
    if (path.isEmpty()) return;

    // The lines mean nothing to this program: read, then let go.
    RunStep([&] { (void)ReadNumerologyLines(path); });
    window.NextSequence();
}
