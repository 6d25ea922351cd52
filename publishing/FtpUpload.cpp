#include "publishing/FtpUpload.h"

#include <QString>

#include "capture/Startmodul.h"
#include "publishing/CurlUpload.h"
#include "publishing/PictureFolderFile.h"
#include "publishing/Preferences.h"

namespace {

// Uploads the named file of the picture folder. A name that gives no file
// there ends as curl ends for a file it cannot read.
QString uploadFromPictureFolder(const QString &fileName, const QString &server, const QString &user,
                                const QString &password) {
    const FolderItemPtr file = pictureFolderFile(fileName);
    Module1::pfad = file ? file->path() : QString();
    if (!file) return CurlUpload::resultText(26);
    return CurlUpload::resultText(CurlUpload::run(Module1::pfad, server, user, password));
}

}  // namespace

namespace Module1 {

QString ftp_Upload(const QString &server, const QString &name, const QString &passwort) {
    QString result =
        uploadFromPictureFolder(QStringLiteral("Kamerabild.jpg"), server, name, passwort);
    // Whatever the result: the archive keeps what the camera saw at each upload.
    if (Startmodul::pr && Startmodul::t_was == 3) Startmodul::prot();
    return result;
}

QString html_schicken(const QString &name) {
    return uploadFromPictureFolder(name, ftp_server, ftp_name, ftp_passwort);
}

}  // namespace Module1
