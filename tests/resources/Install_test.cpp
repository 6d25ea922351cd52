// "make install" into a staging folder: the files land where a Linux desktop
// looks for them, the desktop entry is valid, and the installed program finds
// its bundle files under share/vidolin.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "support/Files.h"
#include "support/Gui.h"
#include "support/TestHome.h"

namespace {

TEST(Install, LaysOutTheProgramAndTheInstalledProgramFindsItsBundle) {
    QTemporaryDir stage;
    QProcess install;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DESTDIR"), stage.path());
    install.setProcessEnvironment(env);
    install.start(
        QString::fromLocal8Bit(qgetenv("VIDOLIN_CMAKE")),
        {QStringLiteral("--install"), QString::fromLocal8Bit(qgetenv("VIDOLIN_BUILD_DIR")),
         QStringLiteral("--prefix"), QStringLiteral("/usr")});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().constData();

    const QString usr = stage.path() + QStringLiteral("/usr/");
    EXPECT_TRUE(QFileInfo(usr + "bin/vidolin").isExecutable());
    for (const char *file : {"m1.bmp", "rot.bmp", "Bild 3.png", "Bild 2.png", "help.jpg",
                             "Kameraseite.html", "vidolin.png"})
        EXPECT_TRUE(QFile::exists(usr + "share/vidolin/" + QLatin1String(file))) << file;
    EXPECT_TRUE(QFileInfo(usr + "share/vidolin/Scripts/172-mail_schicken").isExecutable());
    EXPECT_EQ(QImage(usr + "share/icons/hicolor/256x256/apps/vidolin.png").size(), QSize(256, 256));

    const QString entry = usr + "share/applications/vidolin.desktop";
    const QString text = QString::fromUtf8(readFile(entry));
    EXPECT_TRUE(text.contains(QStringLiteral("\nName=Vidolin\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nIcon=vidolin\n")));
    if (QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty()) {
        ADD_FAILURE() << "desktop-file-validate is missing (scripts/install-deps.sh installs it)";
    } else {
        QProcess validate;
        validate.start(QStringLiteral("desktop-file-validate"), {entry});
        ASSERT_TRUE(validate.waitForFinished(30000));
        EXPECT_EQ(validate.exitCode(), 0);
        EXPECT_EQ(validate.readAll(), QByteArray());
    }

    // The installed program runs its quit scripts from share/vidolin: one of
    // them is made to leave a mark.
    const QString mark = TestHome::path() + QStringLiteral("/quit-script-ran");
    const QString script = usr + "share/vidolin/Scripts/171-micro_ein";
    ASSERT_TRUE(writeFile(script, QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(mark).toUtf8()));
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess program;
    program.start(usr + "bin/vidolin", QStringList());
    ASSERT_TRUE(waitUntil(
        [] { return QDir(TestHome::path() + QStringLiteral("/Desktop/Kameraordner")).exists(); },
        60000));
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_TRUE(QFile::exists(mark));
    EXPECT_FALSE(QDir(TestHome::path() + QStringLiteral("/Desktop/Kameraordner")).exists());
}

}  // namespace
