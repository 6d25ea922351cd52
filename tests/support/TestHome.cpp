#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

namespace {
std::unique_ptr<QTemporaryDir> home;
}

namespace TestHome {

QString path() { return home ? home->path() : QString(); }

QString sourceDir() { return QString::fromLocal8Bit(qgetenv("VIDOLIN_SOURCE_DIR")); }

void setUp() {
    home = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/vidolin-test-XXXXXX");
    const QByteArray root = home->path().toLocal8Bit();
    QDir(home->path()).mkpath("Desktop");
    QDir(home->path()).mkpath(".config");
    QDir(home->path()).mkpath(".local/share");
    // A runtime folder of its own, so the single-instance lock of one test
    // program never meets that of another.
    QDir(home->path()).mkpath("runtime");
    QFile::setPermissions(home->path() + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("HOME", root.constData(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/.config").constData(), 1);
    setenv("XDG_DATA_HOME", (root + "/.local/share").constData(), 1);
    setenv("XDG_RUNTIME_DIR", (root + "/runtime").constData(), 1);
    // An empty user-dirs file would name no desktop; without one the desktop is ~/Desktop.
    unsetenv("XDG_DESKTOP_DIR");
}

}  // namespace TestHome
