#pragma once

#include <QString>

// One FTP upload with curl, run synchronously: the caller waits until curl
// has ended or its time bound has passed.
namespace CurlUpload {

// Sends the local file to ftp://<server> (the server text as given: host,
// optionally a port and a path) and returns curl's exit status. A dead or
// stalled server ends as status 28 within the time bound. Control characters
// in the three texts are dropped, and blanks around the server trimmed.
int run(const QString &localPath, const QString &server, const QString &user,
        const QString &password);

// The upload result text of an exit status: "OK" for 0, the known failures
// in German, else "Fehler " and the number.
QString resultText(int status);

// Tests shorten curl's bounds (in seconds) to keep stall tests quick; zeros
// go back to the program's own bounds.
void setTimeoutsForTesting(int connectSeconds, int maxSeconds);

}  // namespace CurlUpload
