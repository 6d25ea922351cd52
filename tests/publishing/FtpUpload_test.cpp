#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

#include "capture/CameraPicture.h"
#include "capture/Startmodul.h"
#include "platform/Clock.h"
#include "platform/ResourceFolder.h"
#include "platform/Resources.h"
#include "publishing/FtpUpload.h"
#include "publishing/Preferences.h"
#include "publishing/WebPage.h"
#include "support/Files.h"
#include "support/ServerProcess.h"
#include "support/TestHome.h"

namespace {

const QString kUser = QStringLiteral("vidolin");
const QString kPassword = QStringLiteral("geheim");

class FtpUpload : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server = std::make_unique<FtpServer>(QStringList{kUser, kPassword});
        QDir().mkpath(server->uploaded(QStringLiteral("bilder")));
    }
    static void TearDownTestSuite() { server.reset(); }

    void SetUp() override {
        ASSERT_NE(server->port(), 0) << server->errors().toStdString();
        host = server->host();
        const QString folder = TestHome::path() + QStringLiteral("/Desktop/Kameraordner");
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        Startmodul::f = FolderItem::at(folder);
        picture = QByteArray("\xff\xd8\xff\xe0 not quite a picture \x00\x01\x02", 27).repeated(500);
        ASSERT_TRUE(writeFile(folder + QStringLiteral("/Kamerabild.jpg"), picture));
        Startmodul::pr = true;
        Startmodul::t_was = 0;
        Startmodul::po = nullptr;
    }
    void TearDown() override {
        CameraPicture::setSourceForTesting(nullptr);
        Clock::useSystemTime();
    }

    static QString uploaded(const QString &name) { return server->uploaded(name); }

    static std::unique_ptr<FtpServer> server;
    QString host;
    QByteArray picture;
};

std::unique_ptr<FtpServer> FtpUpload::server;

TEST_F(FtpUpload, TheCameraPictureOfThePictureFolderGoesUp) {
    EXPECT_EQ(Module1::ftp_Upload(host + "/bilder/", kUser, kPassword), "OK");
    EXPECT_EQ(readFile(uploaded("bilder/Kamerabild.jpg")), picture);
    EXPECT_EQ(Module1::pfad, Startmodul::f->path() + "/Kamerabild.jpg");
    // Without a picture folder there is no file to send.
    Startmodul::f = nullptr;
    EXPECT_EQ(Module1::ftp_Upload(host, kUser, kPassword), "falscher Dateipfad");
}

TEST_F(FtpUpload, HomePageSchedulesKeepAnArchivePictureOfEveryUpload) {
    int cameraShots = 0;
    CameraPicture::setSourceForTesting([&cameraShots] {
        ++cameraShots;
        auto shot = std::make_shared<Picture>(QImage(32, 24, QImage::Format_RGB32));
        shot->image.fill(Qt::darkGreen);
        return shot;
    });
    QTemporaryDir archive;
    Startmodul::po = FolderItem::at(archive.path());
    // Both archive pictures fall into one minute, so the second replaces the first.
    Clock::setFixed(QDateTime(QDate(2026, 3, 4), QTime(9, 5, 30)));

    Startmodul::t_was = 3;
    EXPECT_EQ(Module1::ftp_Upload(host, kUser, kPassword), "OK");
    EXPECT_EQ(Module1::ftp_Upload(host, kUser, "falsch"), "Benutzername oder Passwort ungültig");
    EXPECT_EQ(cameraShots, 2);
    EXPECT_EQ(QDir(archive.path()).entryList(QDir::Files).size(), 1);

    // The page upload makes none, nor do other actions or archive pictures off.
    Module1::ftp_server = host;
    Module1::ftp_name = kUser;
    Module1::ftp_passwort = kPassword;
    Module1::html_sichern("seite.html");
    EXPECT_EQ(Module1::html_schicken("seite.html"), "OK");
    Module1::ftp_Upload(host, kUser, kPassword);
    Startmodul::t_was = 2;
    Module1::ftp_Upload(host, kUser, kPassword);
    Startmodul::t_was = 3;
    Startmodul::pr = false;
    Module1::ftp_Upload(host, kUser, kPassword);
    EXPECT_EQ(cameraShots, 3);
}

TEST_F(FtpUpload, ThePageIsTheTemplatePlusOneLineEndAndGoesUpWithTheStoredLogin) {
    const QString page = Startmodul::f->path() + "/kamera.html";
    Module1::html_sichern("kamera.html");
    const QByteArray written = readFile(page);
    EXPECT_EQ(written, Kameraseite().toUtf8() + '\n');
    EXPECT_TRUE(written.contains("<html"));

    Module1::ftp_server = host + "/bilder/";
    Module1::ftp_name = kUser;
    Module1::ftp_passwort = kPassword;
    EXPECT_EQ(Module1::html_schicken("kamera.html"), "OK");
    EXPECT_EQ(readFile(uploaded("bilder/kamera.html")), written);
    Module1::ftp_passwort = "falsch";
    EXPECT_EQ(Module1::html_schicken("kamera.html"), "Benutzername oder Passwort ungültig");

    // Without a template the page is one empty line, and still goes up.
    QTemporaryDir noResources;
    ResourceFolder::overrideForTesting(noResources.path());
    Resources::resetForTesting();
    Module1::html_sichern("kamera.html");
    ResourceFolder::overrideForTesting(QString());
    Resources::resetForTesting();
    EXPECT_EQ(readFile(page), QByteArray("\n"));
    Module1::ftp_passwort = kPassword;
    EXPECT_EQ(Module1::html_schicken("kamera.html"), "OK");
    EXPECT_EQ(readFile(uploaded("bilder/kamera.html")), QByteArray("\n"));
}

TEST_F(FtpUpload, APageNameNeverLeavesThePictureFolder) {
    ASSERT_TRUE(writeFile(TestHome::path() + "/Desktop/fremd.html", "nicht anfassen"));
    Module1::html_sichern("../fremd.html");
    EXPECT_EQ(readFile(TestHome::path() + "/Desktop/fremd.html"), QByteArray("nicht anfassen"));

    Module1::ftp_server = host;
    Module1::ftp_name = kUser;
    Module1::ftp_passwort = kPassword;
    EXPECT_EQ(Module1::html_schicken("../fremd.html"), "falscher Dateipfad");
    EXPECT_FALSE(QFile::exists(uploaded("fremd.html")));
}

}  // namespace
