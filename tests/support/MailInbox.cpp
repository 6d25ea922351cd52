#include "support/MailInbox.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <algorithm>

#include "support/Files.h"

MailInbox::MailInbox()
    : server_(std::make_unique<ServerProcess>(QStringLiteral("smtp_server.py"),
                                              QStringList{inbox_.path()})) {
    // The mail script finds this sendmail first on PATH: msmtp, sending to
    // the test server.
    const QString sendmail = tools_.path() + "/sendmail";
    writeFile(sendmail, "#!/bin/sh\nexec msmtp --host=127.0.0.1 --port=" +
                            QByteArray::number(server_->port()) +
                            " --from=vidolin@localhost --auth=off --tls=off \"$@\"\n");
    QFile::setPermissions(sendmail,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    oldPath_ = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(tools_.path()) + ":" + oldPath_);
}

MailInbox::~MailInbox() { qputenv("PATH", oldPath_); }

int MailInbox::count() const { return QDir(inbox_.path()).entryList({"*.eml"}).size(); }

void MailInbox::clear() {
    for (const QString &name : QDir(inbox_.path()).entryList(QDir::Files))
        QFile::remove(inbox_.path() + "/" + name);
}

Received MailInbox::message(int n) const {
    QList<int> numbers;
    for (const QString &name : QDir(inbox_.path()).entryList({"*.eml"}))
        numbers << name.chopped(4).toInt();
    std::sort(numbers.begin(), numbers.end());
    if (n < 1 || n > numbers.size()) return Received();
    const QString base = inbox_.path() + "/" + QString::number(numbers[n - 1]);
    Received r;
    for (const QJsonValue v :
         QJsonDocument::fromJson(readFile(base + ".json")).object()["to"].toArray())
        r.envelopeTo << v.toString();
    QProcess check;
    check.start("/usr/bin/python3", {ServerProcess::scriptPath("mail_check.py"), base + ".eml"});
    check.waitForFinished(20000);
    const QJsonObject o = QJsonDocument::fromJson(check.readAllStandardOutput()).object();
    r.to = o["to"].toString();
    r.subject = o["subject"].toString();
    for (const QJsonValue v : o["headers"].toArray()) r.headers << v.toString();
    r.body = o["body"].toString();
    r.attachments = o["attachments"].toArray();
    return r;
}
