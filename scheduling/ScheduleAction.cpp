#include "scheduling/ScheduleAction.h"

#include "capture/Bildtext.h"
#include "capture/CameraPicture.h"
#include "capture/Startmodul.h"
#include "publishing/FtpUpload.h"
#include "publishing/PictureFolderFile.h"
#include "publishing/Preferences.h"
#include "publishing/mail.h"

namespace {

// A new camera picture with its date band becomes "Kamerabild.jpg" and goes
// to the home page with the FTP settings in memory. A failed upload leaves no
// trace; the archive picture follows inside the upload as at every upload.
void uploadToHomePage() {
    Startmodul::fol = pictureFolderFile(QStringLiteral("Kamerabild.jpg"));
    Startmodul::p = cameraPicture();
    Startmodul::p = Module1::Bildtext(Startmodul::p);
    if (Startmodul::fol && Startmodul::p) Startmodul::fol->SaveAsJPEG(Startmodul::p);
    Module1::ftp_Upload(Module1::ftp_server, Module1::ftp_name, Module1::ftp_passwort);
}

}  // namespace

namespace ScheduleAction {

void perform(When when) {
    if (Startmodul::t_was == 1) Startmodul::foto();
    if (Startmodul::t_was == 2) {
        // The first mail of a schedule reads the stored settings again.
        if (when == When::SwitchOn)
            mail::erste_mail();
        else
            mail::mail_ab();
    }
    if (Startmodul::t_was == 3) uploadToHomePage();
}

}  // namespace ScheduleAction
