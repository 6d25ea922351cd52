#pragma once

#include <QString>

#include <memory>

#include "platform/Picture.h"

class FolderItem;
class TextInputStream;
class TextOutputStream;
using FolderItemPtr = std::shared_ptr<FolderItem>;

// A file or folder, named by its path; it need not exist.
class FolderItem {
public:
    explicit FolderItem(const QString &path);

    static FolderItemPtr at(const QString &path) { return std::make_shared<FolderItem>(path); }

    QString path() const { return path_; }

    // The item of that name inside this folder (which need not exist).
    FolderItemPtr Child(const QString &name) const;
    FolderItemPtr Parent() const;
    bool Exists() const;
    bool Directory() const;

    QString Name() const;
    // Renames the item in place; false when the name is taken or the rename
    // fails (the item keeps its old name then).
    bool setName(const QString &name);

    // Creates the folder; an existing folder is used as it is.
    bool CreateAsFolder() const;

    // The file as a picture; null when it is missing or no picture.
    PicturePtr OpenAsPicture() const;
    // Saves the picture as JPEG (quality 90), in place only once it is written
    // whole; false when it cannot be written (nothing of it is left then).
    bool SaveAsJPEG(const PicturePtr &picture) const;

    // The file as UTF-8 text lines; null when it cannot be opened.
    std::unique_ptr<TextInputStream> OpenAsTextFile() const;
    // Creates (or replaces) the file for writing; null when that fails.
    std::unique_ptr<TextOutputStream> CreateTextFile() const;

    bool Delete() const;

private:
    QString path_;
};
