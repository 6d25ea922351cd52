#include "platform/ResourceFolder.h"

#include <QCoreApplication>

namespace {
QString &overridePath() {
    static QString path;
    return path;
}
}  // namespace

namespace ResourceFolder {

FolderItemPtr get() {
    FolderItemPtr folder;
    if (!overridePath().isEmpty()) {
        folder = FolderItem::at(overridePath());
    } else {
        const FolderItemPtr program = FolderItem::at(QCoreApplication::applicationFilePath());
        const FolderItemPtr programFolder = program->Parent();
        const FolderItemPtr top = programFolder ? programFolder->Parent() : nullptr;
        if (!top) return nullptr;
        folder = top->Child(QStringLiteral("Resources"));
        // Installed, the program lies in <prefix>/bin and its bundle files in
        // <prefix>/share/vidolin.
        if (!folder->Directory())
            folder = top->Child(QStringLiteral("share"))->Child(QStringLiteral("vidolin"));
    }
    return folder->Directory() ? folder : nullptr;
}

void overrideForTesting(const QString &path) { overridePath() = path; }

}  // namespace ResourceFolder
