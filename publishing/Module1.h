#pragma once

#include <QString>

#include "platform/FolderItem.h"

// The publishing settings and the procedures that keep them and publish the
// camera picture and the web page by FTP. Main thread only.
namespace Module1 {

// The FTP settings, kept in the preferences file ("Vidolin" in the user's
// config folder) with the mail recipient of mail.h.
inline QString ftp_server;    // put behind "ftp://" as it is: host, port, path
inline QString ftp_name;      // FTP user name
inline QString ftp_passwort;  // FTP password, in plain text like the file
inline QString ftp_seite;     // name of the web page, without ".html"

// The local path of the last upload; nothing else reads it.
inline QString pfad;

// Reads the six settings from the preferences file; shows the start window
// when there is no such file. A file that cannot be read changes nothing.
void laden();
// Writes the six settings into the preferences file, replacing it whole.
void sichern();

// Uploads "Kamerabild.jpg" of the picture folder to ftp://<server> and
// returns the result text ("OK" on success). While archive pictures are on
// and the home-page action is set, an archive picture follows every upload.
QString ftp_Upload(const QString &server, const QString &name, const QString &passwort);
// Writes the web page file of that name into the picture folder from the
// page template.
void html_sichern(const QString &name);
// Uploads the file of that name in the picture folder with the stored FTP
// settings; returns the result text.
QString html_schicken(const QString &name);

}  // namespace Module1
