#include "platform/TextOutputStream.h"

#include <QFileInfo>
#include <QSaveFile>

std::unique_ptr<TextOutputStream> TextOutputStream::create(const QString &path) {
    // Only a regular file is replaced: a pipe, a device or a folder in its
    // place cannot be written and stays as it is.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) return nullptr;
    auto stream = std::unique_ptr<TextOutputStream>(new TextOutputStream);
    stream->file_ = std::make_unique<QSaveFile>(path);
    if (!stream->file_->open(QIODevice::WriteOnly)) return nullptr;
    stream->file_->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return stream;
}

TextOutputStream::~TextOutputStream() { Close(); }

void TextOutputStream::Write(const QString &text) {
    if (closed_ || failed_) return;
    const QByteArray bytes = text.toUtf8();
    if (file_->write(bytes) != bytes.size()) failed_ = true;
    written_ += bytes.size();
}

void TextOutputStream::WriteLine(const QString &text) { Write(text + QLatin1Char('\n')); }

bool TextOutputStream::Close() {
    if (closed_) return !failed_;
    closed_ = true;
    // QSaveFile commits a file that a full disk cut short (the buffered
    // rest fails to flush, yet commit renames the short file over the old
    // one), so the text is checked to be all there first.
    if (!failed_ && (!file_->flush() || file_->size() != written_)) failed_ = true;
    if (failed_) {
        file_->cancelWriting();
        file_->commit();
        return false;
    }
    failed_ = !file_->commit();
    return !failed_;
}
