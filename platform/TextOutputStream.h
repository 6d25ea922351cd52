#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QSaveFile;

// Writing a UTF-8 text file with "\n" line ends. Nothing reaches the file
// until Close: the text goes to a temporary file in the same folder, which
// then replaces the old file in one step, so a failed write leaves the old
// file as it was. The file is created readable by its owner only.
class TextOutputStream {
public:
    // Null when the file cannot be created, or something other than a
    // regular file is in its place.
    static std::unique_ptr<TextOutputStream> create(const QString &path);
    ~TextOutputStream();

    void Write(const QString &text);
    void WriteLine(const QString &text);
    // Commits the text; false when the file could not be written.
    bool Close();

private:
    std::unique_ptr<QSaveFile> file_;
    qint64 written_ = 0;
    bool failed_ = false;
    bool closed_ = false;
};
