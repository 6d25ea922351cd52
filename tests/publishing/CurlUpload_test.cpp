#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "publishing/CurlUpload.h"
#include "support/Files.h"
#include "support/ServerProcess.h"
#include "support/TestHome.h"

namespace {

const QString kUser = QStringLiteral("vidolin");
const QString kPassword = QStringLiteral("geheim");
// A login that would run commands if any shell ever saw it.
const QString kOddUser = QStringLiteral("Ma x\"'; $(touch user-ran) `touch user-ran2`");
const QString kOddPassword = QStringLiteral("p w\"' ;$(touch pw-ran)`touch pw-ran2`\\:x");
// curl would read brackets and braces in a path as a pattern of many files.
const QString kGlobFolder = QStringLiteral("ordner[1]{a,b}");
const QString kGlobFile = QStringLiteral("Bild[2]{c}.jpg");

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

class CurlUploadTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server = std::make_unique<FtpServer>(QStringList{kUser, kPassword, kOddUser, kOddPassword});
        QDir().mkpath(server->uploaded(QStringLiteral("bilder")));
        QDir().mkpath(server->uploaded(kGlobFolder));
    }
    static void TearDownTestSuite() { server.reset(); }

    void SetUp() override {
        ASSERT_NE(server->port(), 0) << server->errors().toStdString();
        host = server->host();
        picture = QByteArray("\xff\xd8\xff\xe0 not quite a picture \x00\x01\x02", 27).repeated(500);
        ASSERT_TRUE(writeFile(local.filePath(QStringLiteral("Kamerabild.jpg")), picture));
    }
    void TearDown() override { CurlUpload::setTimeoutsForTesting(0, 0); }

    // Uploads a file of the local folder and gives the result text.
    QString upload(const QString &to, const QString &user, const QString &password,
                   const QString &file = QStringLiteral("Kamerabild.jpg")) {
        return CurlUpload::resultText(CurlUpload::run(local.filePath(file), to, user, password));
    }
    static QString uploaded(const QString &name) { return server->uploaded(name); }

    static std::unique_ptr<FtpServer> server;
    QTemporaryDir local;
    QString host;
    QByteArray picture;
};

std::unique_ptr<FtpServer> CurlUploadTest::server;

TEST_F(CurlUploadTest, TheFileLandsByteForByteUnderItsOwnName) {
    EXPECT_EQ(upload(host, kUser, kPassword), "OK");
    EXPECT_EQ(readFile(uploaded("Kamerabild.jpg")), picture);

    // A path behind the host puts the file into that folder of the server.
    EXPECT_EQ(upload(host + "/bilder/", kUser, kPassword), "OK");
    EXPECT_EQ(readFile(uploaded("bilder/Kamerabild.jpg")), picture);
    EXPECT_EQ(upload(host + "/fehlt/", kUser, kPassword), "Fehler 9");

    // Brackets and braces in the folder and the file name are sent as written.
    ASSERT_TRUE(writeFile(local.filePath(kGlobFile), picture));
    EXPECT_EQ(upload(host + "/" + kGlobFolder + "/", kUser, kPassword, kGlobFile), "OK");
    EXPECT_EQ(readFile(uploaded(kGlobFolder + "/" + kGlobFile)), picture);
}

TEST_F(CurlUploadTest, EachFailureHasItsText) {
    EXPECT_EQ(upload(host, kUser, "falsch"), "Benutzername oder Passwort ungültig");
    // Empty fields still reach the server, which refuses them.
    EXPECT_EQ(upload(host, "", ""), "Benutzername oder Passwort ungültig");
    EXPECT_EQ(upload("host.that-does-not-exist.invalid", kUser, kPassword),
              "falsche Serveradresse");
    const RawSocket closed(false);
    EXPECT_EQ(upload("127.0.0.1:" + QString::number(closed.port()), kUser, kPassword), "Fehler 7");
    // Root reads every file, so a missing file stands for an unreadable one.
    EXPECT_EQ(upload(host, kUser, kPassword, "fehlt.jpg"), "falscher Dateipfad");
}

TEST_F(CurlUploadTest, AServerThatNeverAnswersEndsAsATimeout) {
    // The program allows 15 s to connect and 50 s in all; the test, less.
    CurlUpload::setTimeoutsForTesting(1, 2);
    const RawSocket silent(true);
    EXPECT_EQ(upload("127.0.0.1:" + QString::number(silent.port()), kUser, kPassword), "Fehler 28");
}

TEST_F(CurlUploadTest, NoShellEverSeesTheLogin) {
    QTemporaryDir cwd;
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(cwd.path());
    const QString odd = upload(host, kOddUser, kOddPassword);
    const QString wrong = upload(host, kOddUser, kOddPassword + "x");
    QDir::setCurrent(oldCwd);

    EXPECT_EQ(odd, "OK");
    EXPECT_EQ(wrong, "Benutzername oder Passwort ungültig");
    EXPECT_TRUE(QDir(cwd.path()).isEmpty());
    EXPECT_TRUE(QDir(TestHome::path()).entryList({"*-ran*"}).isEmpty());
}

TEST_F(CurlUploadTest, ALoginWithALineEndRunsNoCommandAndBlanksAroundTheHostDoNotMatter) {
    // The line end goes, so the server sees one wrong password and no MKD.
    EXPECT_EQ(upload(host, kUser, kPassword + "\r\nMKD injected"),
              "Benutzername oder Passwort ungültig");
    EXPECT_EQ(upload(host, kUser + "\r\nMKD injected2", kPassword),
              "Benutzername oder Passwort ungültig");
    EXPECT_FALSE(QFile::exists(uploaded("injected")));
    EXPECT_FALSE(QFile::exists(uploaded("injected2")));
    QFile::remove(uploaded("bilder/Kamerabild.jpg"));
    EXPECT_EQ(upload(" " + host + "/bilder/\t ", kUser, kPassword), "OK");
    EXPECT_EQ(readFile(uploaded("bilder/Kamerabild.jpg")), picture);
}

}  // namespace
