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

// The test SMTP server on loopback, with msmtp as the system's sendmail in
// front of it on PATH for as long as the object lives.
class MailInbox {
public:
    MailInbox();
    ~MailInbox();

    // 0 when the server did not come up.
    int port() const { return server_->port(); }
    QString errors() { return server_->errors(); }

    int count() const;
    // The n-th message (from 1) received since the last clear().
    Received message(int n) const;
    void clear();

private:
    QTemporaryDir inbox_;
    QTemporaryDir tools_;
    std::unique_ptr<ServerProcess> server_;
    QByteArray oldPath_;
};
