#pragma once

#include <QByteArray>
#include <QString>

namespace CurlConfig {

// The login as a line of curl's config syntax (read with "-K -"):
// user = "<name>:<password>", quoted and escaped so that curl reads every
// character back as it was given. The login never appears on a command line
// this way, neither for a shell nor in the process list.
QByteArray loginConfig(const QString &user, const QString &password);

}  // namespace CurlConfig
