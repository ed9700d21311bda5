#include "import/NumerologyFile.h"

#include <QFile>

NumerologyLines ParseNumerologyLines(const QByteArray& data) {
    NumerologyLines lines;
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

NumerologyLines ReadNumerologyLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    // One bounded read: a huge file, or one without line breaks, costs no
    // more than this.
    return ParseNumerologyLines(file.read(kMaxReadBytes));
}
