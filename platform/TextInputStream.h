#pragma once

#include <QString>
#include <QStringList>

#include <memory>

// Reading a UTF-8 text file, line by line or whole. Lines end with "\n"
// (a "\r" before it is dropped too); reading past the end gives "".
class TextInputStream {
public:
    // Null when the path names no regular file or it cannot be read; never
    // waits.
    static std::unique_ptr<TextInputStream> open(const QString &path);

    QString ReadLine();
    QString ReadAll();
    bool EOF_() const { return next_ >= lines_.size(); }
    void Close() {}

private:
    QString text_;
    QStringList lines_;
    qsizetype next_ = 0;
};
