#include "import/NumerologyFile.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

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

namespace {

// Only a regular file is read: opening a named pipe would wait for a writer,
// and a device may never end, either of which would freeze the program.
bool openRegularFile(const QString& path, QFile& file) {
#ifdef Q_OS_UNIX
    // Opened without waiting and checked on the open file itself, so that
    // nothing swapped in between a check and the open can block.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    file.setFileName(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
#endif
}

}  // namespace

NumerologyLines ReadNumerologyLines(const QString& path) {
    QFile file;
    if (!openRegularFile(path, file)) return {};
    // One bounded read: a huge file, or one without line breaks, costs no
    // more than this.
    return ParseNumerologyLines(file.read(kMaxReadBytes));
}
