#include "import/NumerologyImport.h"

#include "windows/MessageBox.h"
#include "windows/SilentStep.h"
#include "windows/frmMain.h"

#include <QFile>

NumerologyLines ReadNumerologyLines(const QString& path) {
    NumerologyLines lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return lines;
    // One bounded read: a huge file, or one without line breaks, costs no
    // more than this.
    const QByteArray data = file.read(kMaxReadBytes);
    qsizetype at = 0;
    for (QString& line : lines) {
        if (at >= data.size()) break;
        qsizetype end = data.indexOf('\r', at);
        if (end < 0) end = data.size();
        // The file is in a single-byte code page.
        line = QString::fromLatin1(data.constData() + at, std::min<qsizetype>(end - at, kMaxLineBytes));
        at = end + 1;
        if (at < data.size() && data[at] == '\n') ++at;
    }
    return lines;
}

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
