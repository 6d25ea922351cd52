#pragma once

#include <QByteArray>
#include <QString>

// The whole content of a file; empty when it cannot be read.
QByteArray readFile(const QString &path);
// Writes (replaces) a file; returns whether all bytes were written.
bool writeFile(const QString &path, const QByteArray &bytes);
