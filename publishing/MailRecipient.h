#pragma once

#include <QString>

// The mail recipient, kept in the preferences file with the FTP settings.
// Apart from mail.h so that the preferences file needs nothing that mails.
namespace mail {

inline QString an_name;
inline QString an_adresse;

}  // namespace mail
