#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
// A running copy listens within moments of taking the lock; a later start
// gives it this long before it ends all the same.
constexpr int kConnectAttempts = 50;
constexpr int kAttemptMs = 100;
}  // namespace

SingleInstance::SingleInstance(const QString &name) {
    const QString folder = runtimeFolder();
    if (folder.isEmpty()) return;
    lockPath_ = folder + QLatin1Char('/') + name + QStringLiteral(".lock");
    socketPath_ = folder + QLatin1Char('/') + name + QStringLiteral(".socket");
}

SingleInstance::~SingleInstance() {
    server_.close();
    if (lockFd_ >= 0) ::close(lockFd_);
}

QString SingleInstance::runtimeFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(folder).exists() ? folder : QString();
}

bool SingleInstance::claim() {
    if (lockPath_.isEmpty()) return true;
    const int fd =
        ::open(QFile::encodeName(lockPath_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return true;
    // The kernel drops the lock when the process ends, however it ends.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        askRunningCopy();
        return false;
    }
    lockFd_ = fd;
    // A socket left by a copy that did not end cleanly is taken over.
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(socketPath_)) {
        connect(&server_, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *peer = server_.nextPendingConnection()) {
                peer->disconnectFromServer();
                peer->deleteLater();
                if (bringToFront) bringToFront();
            }
        });
    }
    return true;
}

void SingleInstance::askRunningCopy() {
    QLocalSocket socket;
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(kAttemptMs)) {
            socket.write("front\n");
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return;
        }
        QThread::msleep(kAttemptMs);
    }
}
