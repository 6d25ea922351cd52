#pragma once

#include <QJsonArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include "support/ServerProcess.h"

// One message as the SMTP server received it: the envelope recipients and
// what Python's email package reads from the message.
struct Received {
    QStringList envelopeTo;
    QString to;
    QString subject;
    QStringList headers;
    QString body;
    QJsonArray attachments;
};

// The real mail road ends here: an SMTP server on loopback that keeps every
// message, and a sendmail first on PATH (msmtp, sending to that server) for
// the mail script. PATH is restored when the object goes.
class MailCatcher {
public:
    MailCatcher();
    ~MailCatcher();
    MailCatcher(const MailCatcher &) = delete;
    MailCatcher &operator=(const MailCatcher &) = delete;

    // 0 when the server did not come up.
    int port() const { return server_->port(); }
    QString errors() { return server_->errors(); }

    int messageCount() const;
    // The n-th message (from 1) since the last clear.
    Received message(int n) const;
    void clear();

private:
    QTemporaryDir inbox_;
    QTemporaryDir tools_;
    std::unique_ptr<ServerProcess> server_;
    QByteArray oldPath_;
};
