#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>

#include <signal.h>
#include <unistd.h>
#include <atomic>
#include <memory>
#include <thread>

#include "capture/CameraPicture.h"
#include "capture/Startmodul.h"
#include "platform/Clock.h"
#include "platform/Scripts.h"
#include "platform/Shell.h"
#include "platform/TerminationSignals.h"
#include "publishing/StartWindowHook.h"
#include "publishing/mail.h"
#include "support/Files.h"
#include "support/Gui.h"
#include "support/MailInbox.h"
#include "support/TestHome.h"

namespace {

class Mail : public ::testing::Test {
protected:
    static void SetUpTestSuite() { inbox = std::make_unique<MailInbox>(); }
    static void TearDownTestSuite() { inbox.reset(); }

    void SetUp() override {
        ASSERT_NE(inbox->port(), 0) << inbox->errors().toStdString();
        const QString folder = TestHome::path() + QStringLiteral("/Desktop/Kameraordner");
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        Startmodul::f = FolderItem::at(folder);
        frame = std::make_shared<Picture>(QImage(64, 48, QImage::Format_RGB32));
        frame->image.fill(QColor(200, 40, 90));
        CameraPicture::setSourceForTesting([this] { return frame; });
        Clock::setFixed(QDateTime(QDate(2026, 3, 4), QTime(9, 5, 30)));
        startWindowShown = 0;
        StartWindowHook::set([this] { ++startWindowShown; });
        QFile::remove(prefsPath());
        inbox->clear();
        mail::an_name.clear();
        mail::an_adresse.clear();
        mail::mail_pfad.clear();
    }
    void TearDown() override {
        CameraPicture::setSourceForTesting(nullptr);
        StartWindowHook::set(nullptr);
        Clock::useSystemTime();
    }

    static QString prefsPath() { return TestHome::path() + "/.config/Vidolin"; }
    static int messageCount() { return inbox->count(); }
    static Received message(int n) { return inbox->message(n); }
    QString picturePath() const { return Startmodul::f->path() + "/Kamerabild.jpg"; }

    static std::unique_ptr<MailInbox> inbox;
    PicturePtr frame;
    int startWindowShown = 0;
};

std::unique_ptr<MailInbox> Mail::inbox;

TEST_F(Mail, TheFirstMailReloadsTheSettingsAndSendsTheBareCameraPicture) {
    ASSERT_TRUE(
        writeFile(prefsPath(), "ftp\nname\npw\nseite\nJürgen Müller\njuergen@example.org\n"));
    mail::an_name = "Ungespeichert";
    mail::an_adresse = "ungespeichert@example.org";

    mail::erste_mail();

    EXPECT_EQ(mail::an_adresse, "juergen@example.org");
    EXPECT_EQ(mail::mail_pfad, picturePath());
    EXPECT_EQ(mail::home, QDir(TestHome::path()).dirName());
    ASSERT_EQ(messageCount(), 1);
    const Received r = message(1);
    EXPECT_EQ(r.envelopeTo, QStringList{"juergen@example.org"});
    EXPECT_EQ(r.to, "Jürgen Müller <juergen@example.org>");
    // The clock stands at Wednesday, 4 March 2026, 9:05:30.
    EXPECT_EQ(r.subject, "Bild von Vidolin  -  Mittwoch, 4. März 2026 - 09:05");
    EXPECT_FALSE(r.body.isEmpty());

    // The attachment is "Kamerabild.jpg" as saved: the frame without a date band.
    ASSERT_EQ(r.attachments.size(), 1);
    const QJsonObject a = r.attachments[0].toObject();
    EXPECT_EQ(a["filename"].toString(), "Kamerabild.jpg");
    EXPECT_EQ(a["type"].toString(), "image/jpeg");
    EXPECT_EQ(QByteArray::fromBase64(a["data"].toString().toLatin1()), readFile(picturePath()));
    const QImage saved(picturePath());
    EXPECT_EQ(saved.size(), frame->image.size());
}

TEST_F(Mail, LaterMailsUseWhatMemoryHolds) {
    ASSERT_TRUE(writeFile(prefsPath(), "\n\n\n\nGespeichert\ngespeichert@example.org\n"));
    mail::erste_mail();
    // A mail test of the settings window changed the recipient in memory only.
    mail::an_name = "Probe";
    mail::an_adresse = "probe@example.org";
    frame->image.fill(Qt::blue);
    mail::mail_ab();

    ASSERT_EQ(messageCount(), 2);
    const Received r = message(2);
    EXPECT_EQ(r.envelopeTo, QStringList{"probe@example.org"});
    EXPECT_EQ(r.to, "Probe <probe@example.org>");
    ASSERT_EQ(r.attachments.size(), 1);
    EXPECT_EQ(QByteArray::fromBase64(r.attachments[0].toObject()["data"].toString().toLatin1()),
              readFile(picturePath()));

    // Without a preferences file the start window comes up, and the mail goes
    // out with what memory holds.
    QFile::remove(prefsPath());
    mail::erste_mail();
    EXPECT_EQ(startWindowShown, 1);
    ASSERT_EQ(messageCount(), 3);
    EXPECT_EQ(message(3).envelopeTo, QStringList{"probe@example.org"});
}

TEST_F(Mail, ANameOrSubjectCannotAddHeadersOrRecipients) {
    mail::mail_daten();
    mail::an_name = "Eva, \"Chefin\" <boss@example.org>\r\nBcc: spion@example.org";
    mail::an_adresse = "eva@example.org";
    mail::mail_ab();

    ASSERT_EQ(messageCount(), 1);
    const Received r = message(1);
    EXPECT_EQ(r.envelopeTo, QStringList{"eva@example.org"});
    EXPECT_FALSE(r.headers.contains("Bcc", Qt::CaseInsensitive));
    EXPECT_TRUE(r.to.endsWith("<eva@example.org>")) << r.to.toStdString();
    EXPECT_TRUE(r.to.contains("Bcc: spion@example.org")) << r.to.toStdString();
}

TEST_F(Mail, OnlyOnePlainAddressIsMailed) {
    mail::mail_daten();
    mail::an_name = "Eva";
    for (const QString &address :
         {QString(), QStringLiteral("eva@example.org, spion@example.org"),
          QStringLiteral("eva@example.org\r\nBcc: spion@example.org"),
          QStringLiteral("Eva <eva@example.org>"), QStringLiteral("-oQ/tmp@example.org"),
          QStringLiteral("eva@"), QStringLiteral("|touch x@example.org"),
          // A local part beyond ASCII needs SMTPUTF8, which is not spoken.
          QStringLiteral("jürgen@example.org")}) {
        mail::an_adresse = address;
        mail::mail_ab();
    }
    EXPECT_EQ(messageCount(), 0);
    mail::an_adresse = "eva@example.org";
    mail::mail_ab();
    EXPECT_EQ(messageCount(), 1);
}

TEST_F(Mail, EveryPlainAddressIsMailedAndEveryNameReadsAsTyped) {
    mail::mail_daten();
    const struct {
        const char *name, *address, *envelope, *to;
    } cases[] = {
        {"", "o'brien@example.ie", "o'brien@example.ie", "o'brien@example.ie"},
        {"Müller, Jürgen", " eva@example.org ", "eva@example.org",
         "Müller, Jürgen <eva@example.org>"},
        {"Eva \"Chefin\" (Büro)", "eva@müller.de", "eva@xn--mller-kva.de",
         "Eva \"Chefin\" (Büro) <eva@xn--mller-kva.de>"},
    };
    for (const auto &c : cases) {
        mail::an_name = QString::fromUtf8(c.name);
        mail::an_adresse = QString::fromUtf8(c.address);
        mail::mail_ab();
    }
    ASSERT_EQ(messageCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const Received r = message(i + 1);
        EXPECT_EQ(r.envelopeTo, QStringList{QString::fromUtf8(cases[i].envelope)});
        EXPECT_EQ(r.to, QString::fromUtf8(cases[i].to));
    }
}

TEST_F(Mail, AMissingPictureStillSendsTheMail) {
    // No mail_daten in this process yet: the attachment path is empty.
    mail::an_adresse = "eva@example.org";
    mail::mail_ab();
    ASSERT_EQ(messageCount(), 1);
    const Received r = message(1);
    EXPECT_EQ(r.envelopeTo, QStringList{"eva@example.org"});
    EXPECT_TRUE(r.attachments.isEmpty());
}

// The processes that still run with a mail script's own temporary folder
// under `temporary` in their environment: the script and all it started.
int runningMailProcesses(const QString &temporary) {
    const QByteArray mark = "TMPDIR=" + QFile::encodeName(temporary) + "/vidolin-script-";
    int running = 0;
    QDirIterator it(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext())
        if (readFile(it.next() + QStringLiteral("/environ")).contains(mark)) ++running;
    return running;
}

TEST_F(Mail, AStalledMailLeavesNoProcessAndNoTemporaryFolderAfterItsLimitOrAQuit) {
    // A sendmail that never returns: it notes that it ran and sleeps.
    QTemporaryDir tools, temporary;
    const QString runs = tools.filePath(QStringLiteral("runs"));
    ASSERT_TRUE(writeFile(tools.filePath(QStringLiteral("sendmail")),
                          "#!/bin/sh\necho ran >> '" + runs.toUtf8() + "'\nexec sleep 600\n"));
    QFile::setPermissions(tools.filePath(QStringLiteral("sendmail")),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QByteArray oldPath = qgetenv("PATH"), oldTemporary = qgetenv("TMPDIR");
    qputenv("PATH", QFile::encodeName(tools.path()) + ":" + oldPath);
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    mail::mail_daten();
    mail::an_adresse = "eva@example.org";
    const auto expectNothingLeft = [&] {
        EXPECT_TRUE(waitUntil([&] { return runningMailProcesses(temporary.path()) == 0; }));
        EXPECT_EQ(QDir(temporary.path())
                      .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList());
    };

    // The limit ends the run.
    Scripts::setMailBoundForTesting(1000);
    mail::mail_ab();
    expectNothingLeft();

    // A quit (SIGTERM) once sendmail runs ends the mail; its limit would
    // come far too late for the test.
    Scripts::setMailBoundForTesting(600000);
    quitOnTerminationSignals();
    const int before = readFile(runs).count('\n');
    std::atomic<bool> returned{false};
    std::thread quit([&] {
        while (!returned && readFile(runs).count('\n') == before) usleep(10000);
        if (!returned) ::kill(::getpid(), SIGTERM);
    });
    mail::mail_ab();
    returned = true;
    quit.join();
    EXPECT_EQ(readFile(runs).count('\n'), before + 1);
    expectNothingLeft();
    // Once the quit is under way, its own scripts run to their end again.
    runEvents(100);
    Shell after;
    after.Execute(QStringLiteral("sleep"), {QStringLiteral("0.3")});
    EXPECT_EQ(after.ErrorCode, 0);

    Scripts::setMailBoundForTesting(0);
    qputenv("PATH", oldPath);
    if (oldTemporary.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTemporary);
}

}  // namespace
