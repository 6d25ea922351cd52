#include "platform/TextInputStream.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::unique_ptr<TextInputStream> TextInputStream::open(const QString &path) {
    // Only a regular file holds text. The open does not wait (a named pipe
    // would wait for a writer for good), and what it opened is checked, so a
    // pipe, a device or a folder reads as a file that cannot be opened.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat status {};
    QFile file;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    auto stream = std::unique_ptr<TextInputStream>(new TextInputStream);
    stream->text_ = QString::fromUtf8(file.readAll());
    stream->lines_ = stream->text_.split(QLatin1Char('\n'));
    // A final line end does not start another line.
    if (!stream->lines_.isEmpty() && stream->lines_.last().isEmpty()) stream->lines_.removeLast();
    for (QString &line : stream->lines_)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    return stream;
}

QString TextInputStream::ReadLine() {
    if (next_ >= lines_.size()) return QString();
    return lines_[next_++];
}

QString TextInputStream::ReadAll() {
    next_ = lines_.size();
    return text_;
}
