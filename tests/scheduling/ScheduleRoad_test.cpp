// Schedules set on the real sheet with simulated clicks and keys and run by
// the control panel's timers in virtual time, each action on its real road:
// the live test picture of a real camera window, numbered pictures in the
// picture folder, curl against a real FTP server and the mail script into a
// real SMTP server, both on loopback.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QJsonObject>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "capture/Startmodul.h"
#include "capture/Window1.h"
#include "capture/w2.h"
#include "controls/Knopf.h"
#include "platform/CamCapture.h"
#include "platform/EditField.h"
#include "platform/PagePanel.h"
#include "platform/RadioButton.h"
#include "platform/StaticText.h"
#include "platform/Timer.h"
#include "publishing/Preferences.h"
#include "publishing/mail.h"
#include "scheduling/w5.h"
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

void type(EditField *field, const QString &text) {
    field->lineEdit()->selectAll();
    QTest::keyClick(field->lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(field->lineEdit(), text);
}

class ScheduleRoad : public ::testing::Test {
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
    void TearDown() override { machine.reset(); }

    // At 9:03:30 the sheet offers 9:04 to 10:04 every 10 minutes; the
    // schedule ends at 9:34 instead.
    void startOnTheSheet(int action) {
        machine = std::make_unique<TimeMachine>(at(9, 3, 30));
        Window1 &panel = Window1::instance();
        click(panel.Knopf2_1);  // "Zeit"
        ASSERT_TRUE(w5::exists());
        w5 &sheet = w5::instance();
        EXPECT_EQ(sheet.tagein[0]->Text(), "9");
        EXPECT_EQ(sheet.tagein[1]->Text(), "04");
        type(sheet.tagaus[0], "9");
        type(sheet.tagaus[1], "34");
        click(sheet.RadioButton1[action - 1]->button());
        click(sheet.Knopf1);  // "Starten"
        ASSERT_EQ(panel.PagePanel1->Value(), 2);
    }

    static QStringList receivedFiles() {
        return QDir(received->path()).entryList(QDir::Files, QDir::Name);
    }

    static void expectEnded() {
        Window1 &panel = Window1::instance();
        EXPECT_EQ(panel.PagePanel1->Value(), 0);
        EXPECT_TRUE(panel.Knopf2_1->isVisibleTo(&panel));
        EXPECT_EQ(panel.t_timer->Mode(), 0);
        EXPECT_EQ(panel.t_timer1->Mode(), 0);
        EXPECT_EQ(panel.t_timer1->Period(), 1000);
        EXPECT_EQ(Startmodul::q, 0);
    }

    static std::unique_ptr<QTemporaryDir> serverRoot, received;
    static std::unique_ptr<ServerProcess> ftp;
    static std::unique_ptr<MailInbox> mails;
    std::unique_ptr<TimeMachine> machine;
};

std::unique_ptr<QTemporaryDir> ScheduleRoad::serverRoot;
std::unique_ptr<QTemporaryDir> ScheduleRoad::received;
std::unique_ptr<ServerProcess> ScheduleRoad::ftp;
std::unique_ptr<MailInbox> ScheduleRoad::mails;

TEST_F(ScheduleRoad, NumberedPicturesAtSwitchOnEveryIntervalAndAtSwitchOff) {
    const QString folder = Startmodul::f->path();
    auto pictures = [&folder] { return QDir(folder).entryList({"Bild*.jpg"}, QDir::Files); };
    const int before = pictures().size();
    startOnTheSheet(1);
    QStringList status;
    for (StaticText *line : Window1::instance().tschreib) status << line->Text();
    EXPECT_EQ(status, (QStringList{QString::fromUtf8("täglich"), "ein Bild nach", "Kameraordner",
                                   "Ein  9:04", "Aus 9:34", "alle 10 min"}));

    // Counted at each minute's end: switch-on, then one a period, the last
    // at switch-off; the repeat timer keeps its period of exactly 10 minutes.
    const int expected[] = {1, 1, 2, 2, 3, 3, 4, 4};
    const int minutes[] = {4, 13, 14, 23, 24, 33, 34, 60};
    for (int i = 0; i < 8; ++i) {
        machine->advanceTo(at(9, minutes[i], 59));
        EXPECT_EQ(pictures().size() - before, expected[i]) << "9:" << minutes[i];
        if (i > 0 && i < 6) {
            EXPECT_EQ(Window1::instance().t_timer1->Period(), 600000);
        }
    }
    expectEnded();
    for (const QString &name : pictures().mid(before))
        EXPECT_EQ(QImage(folder + "/" + name, "JPEG").size(), kFrame + QSize(0, 20));
}

TEST_F(ScheduleRoad, TheHomePageGetsAStampedPictureAtEachActionWithAnArchiveCopy) {
    Module1::ftp_server = QStringLiteral("127.0.0.1:") + QString::number(ftp->port());
    Module1::ftp_name = kUser;
    Module1::ftp_passwort = kPassword;
    startOnTheSheet(3);
    machine->advanceTo(at(9, 33, 0));
    ASSERT_TRUE(waitUntil([] { return receivedFiles().size() == 3; }));
    machine->advanceTo(at(9, 40, 0));
    ASSERT_TRUE(waitUntil([] { return receivedFiles().size() == 4; }));
    expectEnded();
    for (const QString &name : receivedFiles()) {
        EXPECT_TRUE(name.endsWith("-Kamerabild.jpg")) << name.toStdString();
        const QImage picture(received->path() + "/" + name, "JPEG");
        EXPECT_EQ(picture.size(), kFrame + QSize(0, 20)) << name.toStdString();
    }
    ASSERT_TRUE(Startmodul::po);
    EXPECT_EQ(QDir(Startmodul::po->path()).entryList(QDir::Files).size(), 4);
    machine->advanceMinutes(60);
    EXPECT_EQ(receivedFiles().size(), 4);
}

TEST_F(ScheduleRoad, MailsGoOutWithTheBarePictureTheFirstWithTheStoredRecipient) {
    ASSERT_TRUE(writeFile(TestHome::path() + "/.config/Vidolin", "\n\n\n\nEva\neva@example.org\n"));
    mail::an_name = QStringLiteral("Probe");
    mail::an_adresse = QStringLiteral("probe@example.org");
    mails->clear();
    startOnTheSheet(2);
    machine->advanceTo(at(9, 40, 0));
    expectEnded();
    ASSERT_EQ(mails->count(), 4);
    for (int n = 1; n <= 4; ++n) {
        const Received r = mails->message(n);
        EXPECT_EQ(r.envelopeTo, QStringList{"eva@example.org"}) << n;
        ASSERT_EQ(r.attachments.size(), 1) << n;
        const QByteArray data =
            QByteArray::fromBase64(r.attachments[0].toObject()["data"].toString().toLatin1());
        EXPECT_EQ(QImage::fromData(data, "JPEG").size(), kFrame) << n;
    }
}

}  // namespace
