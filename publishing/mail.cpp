#include "publishing/mail.h"

#include <QString>
#include <QVariantList>

#include "capture/CameraPicture.h"
#include "capture/Startmodul.h"
#include "platform/Date.h"
#include "platform/Scripts.h"
#include "platform/SpecialFolder.h"
#include "publishing/PictureFolderFile.h"
#include "publishing/Preferences.h"

namespace {

const QString kPictureName = QStringLiteral("Kamerabild.jpg");

// Saves the bare camera frame (no date band) as "Kamerabild.jpg" and hands
// the mail script recipient, attachment and subject.
void sendPicture(const Date &moment) {
    Startmodul::fol = pictureFolderFile(kPictureName);
    Startmodul::p = cameraPicture();
    if (Startmodul::fol) Startmodul::fol->SaveAsJPEG(Startmodul::p);
    mail_schicken(
        QVariantList{mail::an_name, mail::an_adresse, mail::mail_pfad, mail::subject(moment)});
}

}  // namespace

namespace mail {

QString subject(const Date &moment) {
    return QStringLiteral("Bild von Vidolin  -  ") + moment.LongDate() + QStringLiteral(" - ") +
           moment.ShortTime();
}

void mail_daten() {
    home = SpecialFolder::UserHome()->Name();
    const FolderItemPtr picture = pictureFolderFile(kPictureName);
    mail_pfad = picture ? picture->path() : QString();
}

void erste_mail() {
    const Date moment;
    // Settings tried in the settings window but never accepted give way to
    // the stored ones at every switch-on.
    Module1::laden();
    mail_daten();
    sendPicture(moment);
}

void mail_ab() {
    const Date moment;
    sendPicture(moment);
}

}  // namespace mail
