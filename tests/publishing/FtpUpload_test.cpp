#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "capture/CameraPicture.h"
#include "capture/Startmodul.h"
#include "platform/ResourceFolder.h"
#include "platform/Resources.h"
#include "publishing/CurlUpload.h"
#include "publishing/FtpUpload.h"
#include "publishing/Preferences.h"
#include "publishing/WebPage.h"
#include "support/Files.h"
#include "support/ServerProcess.h"
#include "support/TestHome.h"

namespace {

const QString kUser = QStringLiteral("vidolin");
const QString kPassword = QStringLiteral("geheim");
// A login that would run commands if any shell ever saw it.
const QString kOddUser = QStringLiteral("Ma x\"'; $(touch user-ran) `touch user-ran2`");
const QString kOddPassword = QStringLiteral("p w\"' ;$(touch pw-ran)`touch pw-ran2`\\:x");

// A loopback socket bound to a free port: listening, it accepts connections
// (through the kernel's backlog) and never says a word; not listening, its
// port refuses every connection.
class RawSocket {
public:
    explicit RawSocket(bool listening) {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        EXPECT_EQ(bind(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        if (listening) listen(fd_, 4);
        socklen_t length = sizeof address;
        getsockname(fd_, reinterpret_cast<sockaddr *>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~RawSocket() { close(fd_); }
    int port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
};

class FtpUpload : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        serverRoot = std::make_unique<QTemporaryDir>();
        QDir(serverRoot->path()).mkdir(QStringLiteral("bilder"));
        server = std::make_unique<ServerProcess>(
            QStringLiteral("ftp_server.py"),
            QStringList{serverRoot->path(), kUser, kPassword, kOddUser, kOddPassword});
    }
    static void TearDownTestSuite() {
        server.reset();
        serverRoot.reset();
    }

    void SetUp() override {
        ASSERT_NE(server->port(), 0) << server->errors().toStdString();
        host = QStringLiteral("127.0.0.1:") + QString::number(server->port());
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
        CurlUpload::setTimeoutsForTesting(0, 0);
    }

    QString uploaded(const QString &name) const {
        return serverRoot->path() + QLatin1Char('/') + name;
    }

    static std::unique_ptr<QTemporaryDir> serverRoot;
    static std::unique_ptr<ServerProcess> server;
    QString host;
    QByteArray picture;
};

std::unique_ptr<QTemporaryDir> FtpUpload::serverRoot;
std::unique_ptr<ServerProcess> FtpUpload::server;

TEST_F(FtpUpload, ThePictureLandsByteForByte) {
    EXPECT_EQ(Module1::ftp_Upload(host, kUser, kPassword), "OK");
    EXPECT_EQ(readFile(uploaded("Kamerabild.jpg")), picture);
    EXPECT_EQ(Module1::pfad, Startmodul::f->path() + "/Kamerabild.jpg");

    // A path behind the host puts the file into that folder of the server.
    EXPECT_EQ(Module1::ftp_Upload(host + "/bilder/", kUser, kPassword), "OK");
    EXPECT_EQ(readFile(uploaded("bilder/Kamerabild.jpg")), picture);
    EXPECT_EQ(Module1::ftp_Upload(host + "/fehlt/", kUser, kPassword), "Fehler 9");
}

TEST_F(FtpUpload, EachFailureHasItsText) {
    EXPECT_EQ(Module1::ftp_Upload(host, kUser, "falsch"), "Benutzername oder Passwort ungültig");
    // Empty fields still reach the server, which refuses them.
    EXPECT_EQ(Module1::ftp_Upload(host, "", ""), "Benutzername oder Passwort ungültig");
    EXPECT_EQ(Module1::ftp_Upload("host.that-does-not-exist.invalid", kUser, kPassword),
              "falsche Serveradresse");
    const RawSocket closed(false);
    EXPECT_EQ(Module1::ftp_Upload("127.0.0.1:" + QString::number(closed.port()), kUser, kPassword),
              "Fehler 7");
    // Root reads every file, so a missing file stands for an unreadable one.
    QFile::remove(Startmodul::f->path() + "/Kamerabild.jpg");
    EXPECT_EQ(Module1::ftp_Upload(host, kUser, kPassword), "falscher Dateipfad");
    Startmodul::f = nullptr;
    EXPECT_EQ(Module1::ftp_Upload(host, kUser, kPassword), "falscher Dateipfad");
}

TEST_F(FtpUpload, AServerThatNeverAnswersEndsAsATimeout) {
    // The program allows 15 s to connect and 50 s in all; the test, less.
    CurlUpload::setTimeoutsForTesting(1, 2);
    const RawSocket silent(true);
    EXPECT_EQ(Module1::ftp_Upload("127.0.0.1:" + QString::number(silent.port()), kUser, kPassword),
              "Fehler 28");
}

TEST_F(FtpUpload, NoShellEverSeesTheLogin) {
    QTemporaryDir cwd;
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(cwd.path());
    const QString odd = Module1::ftp_Upload(host, kOddUser, kOddPassword);
    const QString wrong = Module1::ftp_Upload(host, kOddUser, kOddPassword + "x");
    QDir::setCurrent(oldCwd);

    EXPECT_EQ(odd, "OK");
    EXPECT_EQ(wrong, "Benutzername oder Passwort ungültig");
    EXPECT_TRUE(QDir(cwd.path()).isEmpty());
    EXPECT_TRUE(QDir(TestHome::path()).entryList({"*-ran*"}).isEmpty());
}

TEST_F(FtpUpload, ALoginWithALineEndRunsNoCommandAndBlanksAroundTheHostDoNotMatter) {
    // The line end goes, so the server sees one wrong password and no MKD.
    EXPECT_EQ(Module1::ftp_Upload(host, kUser, kPassword + "\r\nMKD injected"),
              "Benutzername oder Passwort ungültig");
    EXPECT_EQ(Module1::ftp_Upload(host, kUser + "\r\nMKD injected2", kPassword),
              "Benutzername oder Passwort ungültig");
    EXPECT_FALSE(QFile::exists(uploaded("injected")));
    EXPECT_FALSE(QFile::exists(uploaded("injected2")));
    EXPECT_EQ(Module1::ftp_Upload(" " + host + "/bilder/\t ", kUser, kPassword), "OK");
    EXPECT_EQ(readFile(uploaded("bilder/Kamerabild.jpg")), picture);
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

    Startmodul::t_was = 3;
    EXPECT_EQ(Module1::ftp_Upload(host, kUser, kPassword), "OK");
    EXPECT_EQ(Module1::ftp_Upload(host, kUser, "falsch"), "Benutzername oder Passwort ungültig");
    EXPECT_EQ(cameraShots, 2);
    EXPECT_EQ(QDir(archive.path()).entryList(QDir::Files).size(), 1);  // same minute, same name

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
