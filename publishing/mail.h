#pragma once

#include <QString>

#include "publishing/MailRecipient.h"

class Date;

// Mailing the current camera picture through the mail script. Main thread
// only.
namespace mail {

inline QString home;       // name of the user's home folder
inline QString mail_pfad;  // path of the picture to attach

// The subject of every mail: "Bild von Vidolin  -  " + long date + " - " +
// short time of the moment given.
QString subject(const Date &moment);

// Sets home and the attachment path: "Kamerabild.jpg" of the picture folder.
void mail_daten();
// The first mail of a schedule: reloads the settings, sets the attachment
// path and sends the current camera picture.
void erste_mail();
// Every later mail: sends the current camera picture with the recipient and
// attachment path in memory.
void mail_ab();

}  // namespace mail
