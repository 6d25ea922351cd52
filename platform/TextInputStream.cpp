#include "platform/TextInputStream.h"

#include <QFile>
#include <QFileInfo>

std::unique_ptr<TextInputStream> TextInputStream::open(const QString &path) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) return nullptr;
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
