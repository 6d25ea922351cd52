#pragma once

#include <QString>

// The publishing settings, kept in the preferences file ("Vidolin" in the
// user's config folder) with the mail recipient of mail.h. Main thread only.
namespace Module1 {

inline QString ftp_server;    // put behind "ftp://" as it is: host, port, path
inline QString ftp_name;      // FTP user name
inline QString ftp_passwort;  // FTP password, in plain text like the file
inline QString ftp_seite;     // name of the web page, without ".html"

// Reads the six settings from the preferences file; shows the start window
// when there is no such file. A file that cannot be read changes nothing.
void laden();
// Writes the six settings into the preferences file, replacing it whole.
void sichern();

}  // namespace Module1
