// A schedule's home-page and mail actions on the real roads: the live test
// picture of a real camera window, curl against a real FTP server and the
// mail script into a real SMTP server, both on loopback; hours of schedule
// pass in virtual time.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QJsonObject>
#include <QTemporaryDir>

#include <memory>

#include "capture/Startmodul.h"
#include "capture/Window1.h"
#include "capture/w2.h"
#include "platform/CamCapture.h"
#include "platform/PagePanel.h"
#include "platform/Timer.h"
#include "publishing/Module1.h"
#include "publishing/mail.h"
#include "support/Files.h"
#include "support/Gui.h"
#include "support/MailInbox.h"
#include "support/ServerProcess.h"
#include "support/TestHome.h"
#include "support/TimeMachine.h"

namespace {

const QString kUser = QStringLiteral("vidolin");
const QString kPassword = QStringLiteral("geheim");
const QSize kFrame(320, 240);

QDateTime at(int hour, int minute, int second = 0) {
    return QDateTime(QDate(2026, 3, 7), QTime(hour, minute, second));
}

class SchedulePublishing : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        serverRoot = std::make_unique<QTemporaryDir>();
        received = std::make_unique<QTemporaryDir>();
        qputenv("FTP_RECEIVED", QFile::encodeName(received->path()));
        ftp = std::make_unique<ServerProcess>(QStringLiteral("ftp_server.py"),
                                              QStringList{serverRoot->path(), kUser, kPassword});
        mails = std::make_unique<MailInbox>();
    }
    static void TearDownTestSuite() {
        if (w2::exists()) w2::instance().Close();
        ftp.reset();
        mails.reset();
        received.reset();
        serverRoot.reset();
    }

    void SetUp() override {
        ASSERT_NE(ftp->port(), 0) << ftp->errors().toStdString();
        ASSERT_NE(mails->port(), 0) << mails->errors().toStdString();
        Startmodul::bildname = QStringLiteral("Testbild");
        Window1::instance().gross = 1;
        ASSERT_TRUE(waitUntil([] { return w2::instance().cam->GetPicture(32) != nullptr; }));
    }

    // "Starten" for a schedule today from 9:05 to 9:25 every 10 minutes.
    void startAt(const QDateTime &moment, int action) {
        machine = std::make_unique<TimeMachine>(moment);
        Startmodul::d_ein = std::make_shared<Date>(2026, 3, 7);
        Startmodul::d_aus = Startmodul::d_ein;
        Startmodul::t_ein_h = 9;
        Startmodul::t_ein_m = 5;
        Startmodul::t_aus_h = 9;
        Startmodul::t_aus_m = 25;
        Startmodul::t_oft = 10;
        Startmodul::t_was = action;
        Startmodul::q = 0;
        if (action == 3 && Startmodul::pr) Startmodul::pordner();
        Window1::instance().t_timer->setMode(2);
        Window1::instance().PagePanel1->setValue(2);
    }

    static QStringList receivedFiles() {
        return QDir(received->path()).entryList(QDir::Files, QDir::Name);
    }

    static std::unique_ptr<QTemporaryDir> serverRoot, received;
    static std::unique_ptr<ServerProcess> ftp;
    static std::unique_ptr<MailInbox> mails;
    std::unique_ptr<TimeMachine> machine;
};

std::unique_ptr<QTemporaryDir> SchedulePublishing::serverRoot;
std::unique_ptr<QTemporaryDir> SchedulePublishing::received;
std::unique_ptr<ServerProcess> SchedulePublishing::ftp;
std::unique_ptr<MailInbox> SchedulePublishing::mails;

TEST_F(SchedulePublishing, TheHomePageGetsAStampedPictureAtEachActionWithAnArchiveCopy) {
    Module1::ftp_server = QStringLiteral("127.0.0.1:") + QString::number(ftp->port());
    Module1::ftp_name = kUser;
    Module1::ftp_passwort = kPassword;
    startAt(at(9, 4, 30), 3);
    machine->advanceTo(at(9, 24, 0));
    ASSERT_TRUE(waitUntil([] { return receivedFiles().size() == 2; }));
    machine->advanceTo(at(9, 30, 0));
    ASSERT_TRUE(waitUntil([] { return receivedFiles().size() == 3; }));
    EXPECT_EQ(Window1::instance().PagePanel1->Value(), 0);
    for (const QString &name : receivedFiles()) {
        EXPECT_TRUE(name.endsWith("-Kamerabild.jpg")) << name.toStdString();
        const QImage picture(received->path() + "/" + name, "JPEG");
        EXPECT_EQ(picture.size(), kFrame + QSize(0, 20)) << name.toStdString();
    }
    EXPECT_EQ(QDir(Startmodul::po->path()).entryList(QDir::Files, QDir::Name),
              (QStringList{"Bild_ 7_3_2026_9_15.jpg", "Bild_ 7_3_2026_9_25.jpg",
                           "Bild_ 7_3_2026_9_5.jpg"}));
    machine->advanceMinutes(60);
    EXPECT_EQ(receivedFiles().size(), 3);
}

TEST_F(SchedulePublishing, MailsGoOutWithTheBarePictureTheFirstWithTheStoredRecipient) {
    ASSERT_TRUE(writeFile(TestHome::path() + "/.config/Vidolin", "\n\n\n\nEva\neva@example.org\n"));
    mail::an_name = QStringLiteral("Probe");
    mail::an_adresse = QStringLiteral("probe@example.org");
    mails->clear();
    startAt(at(9, 4, 30), 2);
    machine->advanceTo(at(9, 30, 0));
    EXPECT_EQ(Window1::instance().PagePanel1->Value(), 0);
    ASSERT_EQ(mails->count(), 3);
    for (int n = 1; n <= 3; ++n) {
        const Received r = mails->message(n);
        EXPECT_EQ(r.envelopeTo, QStringList{"eva@example.org"}) << n;
        ASSERT_EQ(r.attachments.size(), 1) << n;
        const QByteArray data =
            QByteArray::fromBase64(r.attachments[0].toObject()["data"].toString().toLatin1());
        EXPECT_EQ(QImage::fromData(data, "JPEG").size(), kFrame) << n;
    }
}

}  // namespace
