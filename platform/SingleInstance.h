#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>

// One running copy of the program per user. The first start holds a lock in
// the user's runtime folder and listens on a local socket beside it; a later
// start finds the lock taken, asks the running copy to come to the front and
// ends without touching any file of the program.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // name: the lock is "<name>.lock", the socket "<name>.socket".
    explicit SingleInstance(const QString &name);
    ~SingleInstance() override;

    // True when this process is the one running copy (it keeps the lock until
    // it ends); false when another copy runs, which has been asked to come to
    // the front. Without a usable runtime folder every start runs.
    bool claim();

    // Runs in the running copy whenever a later start asks for the front.
    std::function<void()> bringToFront;

    // The folder of the lock and the socket.
    static QString runtimeFolder();

private:
    void askRunningCopy();

    QString lockPath_;
    QString socketPath_;
    int lockFd_ = -1;
    QLocalServer server_;
};
