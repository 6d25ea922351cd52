#include "platform/SpecialFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace SpecialFolder {

FolderItemPtr Desktop() {
    const QString path = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return FolderItem::at(path.isEmpty() ? QDir::homePath() + QStringLiteral("/Desktop") : path);
}

FolderItemPtr Preferences() {
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return FolderItem::at(path.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : path);
}

FolderItemPtr UserHome() { return FolderItem::at(QDir::homePath()); }

}  // namespace SpecialFolder
