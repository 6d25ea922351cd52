#include "platform/FolderItem.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>

#include <cstdio>
#include <utility>

#include "platform/TextInputStream.h"
#include "platform/TextOutputStream.h"

FolderItem::FolderItem(const QString &path) : path_(QDir::cleanPath(path)) {}

FolderItemPtr FolderItem::Child(const QString &name) const {
    return at(path_ + QLatin1Char('/') + name);
}

FolderItemPtr FolderItem::Parent() const {
    const QFileInfo info(path_);
    if (info.isRoot()) return nullptr;
    return at(info.absolutePath());
}

bool FolderItem::Exists() const { return QFileInfo::exists(path_); }
bool FolderItem::Directory() const { return QFileInfo(path_).isDir(); }
QString FolderItem::Name() const { return QFileInfo(path_).fileName(); }

bool FolderItem::setName(const QString &name) {
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || !Exists()) return false;
    const QString target = QFileInfo(path_).absolutePath() + QLatin1Char('/') + name;
    if (QFileInfo::exists(target)) return false;
    if (!QDir().rename(path_, target)) return false;
    path_ = target;
    return true;
}

bool FolderItem::CreateAsFolder() const { return QDir().mkpath(path_); }

PicturePtr FolderItem::OpenAsPicture() const {
    QImageReader reader(path_);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) return nullptr;
    return std::make_shared<Picture>(std::move(image));
}

bool FolderItem::SaveAsJPEG(const PicturePtr &picture) const {
    if (!picture) return false;
    // The picture is written to a temporary file beside its target and takes
    // the target's name in one step once it is whole: a full disk leaves no
    // empty or half picture, and a picture it would replace stays as it was.
    // There is no fsync: a picture must stay cheap.
    const QFileInfo target(path_);
    QFile part;
    for (int attempt = 0; attempt < 16 && !part.isOpen(); ++attempt) {
        part.setFileName(
            target.absolutePath() + QStringLiteral("/.") + target.fileName() + QLatin1Char('.') +
            QString::number(QRandomGenerator::global()->generate(), 36) + QStringLiteral(".part"));
        if (!part.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
            part.error() != QFileDevice::OpenError)
            break;
    }
    if (!part.isOpen()) return false;
    QImageWriter writer(&part, "jpeg");
    writer.setQuality(90);
    bool whole = writer.write(picture->image) && part.flush();
    part.close();
    whole = whole && part.error() == QFileDevice::NoError;
    if (whole)
        whole = ::rename(QFile::encodeName(part.fileName()).constData(),
                         QFile::encodeName(path_).constData()) == 0;
    if (!whole) part.remove();
    return whole;
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() const {
    return TextInputStream::open(path_);
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile() const {
    return TextOutputStream::create(path_);
}

bool FolderItem::Delete() const {
    const QFileInfo info(path_);
    if (info.isDir()) return QDir().rmdir(path_);
    return QFile::remove(path_);
}
