#pragma once

#include <QString>

// Publishing the camera picture and the web page by FTP. Main thread only.
namespace Module1 {

// The local path of the last upload; nothing else reads it.
inline QString pfad;

// Uploads "Kamerabild.jpg" of the picture folder to ftp://<server> and
// returns the result text ("OK" on success). While archive pictures are on
// and the home-page action is set, an archive picture follows every upload.
QString ftp_Upload(const QString &server, const QString &name, const QString &passwort);
// Uploads the file of that name in the picture folder with the stored FTP
// settings; returns the result text.
QString html_schicken(const QString &name);

}  // namespace Module1
