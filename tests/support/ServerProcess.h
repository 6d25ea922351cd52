#pragma once

#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "support/TestHome.h"

// A helper server (a Python script of the tests) on a free loopback port:
// started with Debian's own Python, which has the server packages, and
// stopped when the object goes. The script prints its port once it listens.
class ServerProcess {
public:
    ServerProcess(const QString &script, const QStringList &args) {
        process_.setProgram(QStringLiteral("/usr/bin/python3"));
        process_.setArguments(QStringList{scriptPath(script)} + args);
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start();
        if (!process_.waitForStarted(10000)) return;
        while (!process_.canReadLine() && process_.state() == QProcess::Running)
            process_.waitForReadyRead(20000);
        if (process_.canReadLine()) port_ = process_.readLine().trimmed().toInt();
    }
    ~ServerProcess() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.kill();
        process_.waitForFinished(5000);
    }
    ServerProcess(const ServerProcess &) = delete;
    ServerProcess &operator=(const ServerProcess &) = delete;

    // 0 when the server did not come up.
    int port() const { return port_; }
    QString errors() { return QString::fromUtf8(process_.readAllStandardError()); }

    // The test scripts of the publishing tests, found in the source tree.
    static QString scriptPath(const QString &name) {
        QString dir = TestHome::sourceDir();
        dir = dir.isEmpty() ? QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/.."
                            : dir + "/tests";
        return dir + QStringLiteral("/publishing/") + name;
    }

private:
    QProcess process_;
    int port_ = 0;
};

// The FTP server of the upload tests (ftp_server.py), serving a temporary
// folder of its own to the given logins (user, password, user, ...).
class FtpServer {
public:
    explicit FtpServer(const QStringList &logins)
        : process_(QStringLiteral("ftp_server.py"), QStringList{root_.path()} + logins) {}

    int port() const { return process_.port(); }
    QString errors() { return process_.errors(); }
    // The server as the upload settings name it.
    QString host() const { return QStringLiteral("127.0.0.1:") + QString::number(port()); }
    // Where a file sent to the given server path lands.
    QString uploaded(const QString &name) const { return root_.filePath(name); }

private:
    QTemporaryDir root_;  // made before the server starts
    ServerProcess process_;
};
