#include "publishing/PictureFolderFile.h"

#include "capture/Startmodul.h"

FolderItemPtr pictureFolderFile(const QString &name) {
    if (!Startmodul::f) return nullptr;
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        return nullptr;
    return Startmodul::f->Child(name);
}
