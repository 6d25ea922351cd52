#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "capture/Startmodul.h"
#include "controls/Knopf.h"
#include "platform/Clock.h"
#include "platform/EditField.h"
#include "platform/Resources.h"
#include "platform/StaticText.h"
#include "platform/TabPanel.h"
#include "publishing/Einstellung.h"
#include "publishing/Preferences.h"
#include "publishing/StartWindowHook.h"
#include "publishing/mail.h"
#include "support/Files.h"
#include "support/Gui.h"
#include "support/MailInbox.h"
#include "support/ScriptLog.h"
#include "support/TestHome.h"

namespace {

const QString kUser = QStringLiteral("vidolin");
const QString kPassword = QStringLiteral("geheim");

class Settings : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        serverRoot = std::make_unique<QTemporaryDir>();
        ftp = std::make_unique<ServerProcess>(QStringLiteral("ftp_server.py"),
                                              QStringList{serverRoot->path(), kUser, kPassword});
        inbox = std::make_unique<MailInbox>();
    }
    static void TearDownTestSuite() {
        ftp.reset();
        inbox.reset();
        serverRoot.reset();
    }

    void SetUp() override {
        ASSERT_NE(ftp->port(), 0) << ftp->errors().toStdString();
        ASSERT_NE(inbox->port(), 0) << inbox->errors().toStdString();
        host = QStringLiteral("127.0.0.1:") + QString::number(ftp->port());
        const QString folder = TestHome::path() + QStringLiteral("/Desktop/Kameraordner");
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        Startmodul::f = FolderItem::at(folder);
        Startmodul::t_was = 0;
        Clock::setFixed(QDateTime(QDate(2026, 3, 4), QTime(9, 5, 30)));
        StartWindowHook::set([] {});
        QFile::remove(prefsPath());
        inbox->clear();
        Module1::ftp_server.clear();
        Module1::ftp_name.clear();
        Module1::ftp_passwort.clear();
        Module1::ftp_seite.clear();
        mail::an_name.clear();
        mail::an_adresse.clear();
    }
    void TearDown() override {
        if (Einstellung::exists()) Einstellung::instance().Close();
        runEvents(20);
        StartWindowHook::set(nullptr);
        Clock::useSystemTime();
    }

    static QString prefsPath() { return TestHome::path() + "/.config/Vidolin"; }
    static QString uploaded(const QString &name) { return serverRoot->path() + "/" + name; }
    static void type(EditField *field, const QString &text) {
        field->setText(QString());
        QTest::keyClicks(field->lineEdit(), text);
    }
    void fillFtp(Einstellung &w, const QString &server, const QString &password) {
        type(w.ftp_edit[0], server);
        type(w.ftp_edit[1], kUser);
        type(w.ftp_edit[2], password);
    }
    static bool pageRowShown(Einstellung &w) {
        return w.EditField11->Visible() && w.ftp_html->Visible() &&
               w.StaticText3->Text() == ".html";
    }

    static std::unique_ptr<QTemporaryDir> serverRoot;
    static std::unique_ptr<ServerProcess> ftp;
    static std::unique_ptr<MailInbox> inbox;
    QString host;
};

std::unique_ptr<QTemporaryDir> Settings::serverRoot;
std::unique_ptr<ServerProcess> Settings::ftp;
std::unique_ptr<MailInbox> Settings::inbox;

TEST_F(Settings, OneWindowFilledFromMemoryAtOpenOnly) {
    Einstellung &w = Einstellung::instance();
    EXPECT_TRUE(w.isVisible());
    // Without stored settings every field is empty, the page name included.
    for (EditField *e : {w.ftp_edit[0], w.ftp_edit[1], w.ftp_edit[2], w.EditField11, w.mail_edit[0],
                         w.mail_edit[1]})
        EXPECT_EQ(e->Text(), QString());
    EXPECT_EQ(w.ftp_edit[2]->lineEdit()->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(w.EditField11->Visible());

    // Showing the open window again keeps what the user typed.
    type(w.ftp_edit[0], "entwurf");
    Module1::ftp_server = "anders";
    Einstellung::instance().Show();
    EXPECT_EQ(&Einstellung::instance(), &w);
    EXPECT_EQ(w.ftp_edit[0]->Text(), "entwurf");

    // "Zurück" takes nothing; a new window fills from memory again.
    click(w.Einstellung_fertig[0]);
    EXPECT_FALSE(Einstellung::exists());
    runEvents(20);
    Module1::ftp_seite = "seite";
    EXPECT_EQ(Einstellung::instance().ftp_edit[0]->Text(), "anders");
    EXPECT_EQ(Einstellung::instance().EditField11->Text(), "seite");
}

TEST_F(Settings, FtpTestAndPageUpload) {
    Einstellung &w = Einstellung::instance();
    fillFtp(w, host, kPassword);
    click(w.ftp_test);
    EXPECT_EQ(w.ftp_schreib->Text(), "OK");
    // The stamped start picture went up.
    const QImage sent(uploaded("Kamerabild.jpg"));
    EXPECT_EQ(sent.size(), QSize(738, 392));
    EXPECT_TRUE(pageRowShown(w));
    EXPECT_EQ(Module1::ftp_server, host);
    EXPECT_EQ(Module1::ftp_passwort, kPassword);
    EXPECT_FALSE(QFile::exists(prefsPath()));

    // The page goes up with the tested login, whatever the fields hold now.
    type(w.ftp_edit[0], "woanders.invalid");
    type(w.EditField11, "kamera");
    click(w.ftp_html);
    EXPECT_EQ(w.ftp_schreib->Text(), QString::fromUtf8("Übertragen"));
    EXPECT_EQ(readFile(uploaded("kamera.html")), Kameraseite().toUtf8() + '\n');
    w.EditField11->setText(QString());
    click(w.ftp_html);
    EXPECT_TRUE(QFile::exists(uploaded(".html")));

    // A failed test hides the row again and leaves memory as it was.
    fillFtp(w, host, "falsch");
    click(w.ftp_test);
    EXPECT_EQ(w.ftp_schreib->Text(), "Benutzername oder Passwort ungültig");
    EXPECT_FALSE(w.EditField11->Visible());
    EXPECT_FALSE(w.ftp_html->Visible());
    EXPECT_EQ(w.StaticText3->Text(), QString());
    EXPECT_EQ(Module1::ftp_passwort, kPassword);
    fillFtp(w, "host.that-does-not-exist.invalid", kPassword);
    click(w.ftp_test);
    EXPECT_EQ(w.ftp_schreib->Text(), "falsche Serveradresse");
}

TEST_F(Settings, KeysPressedDuringAnUploadAreDropped) {
    Einstellung &w = Einstellung::instance();
    fillFtp(w, host, kPassword);
    // Queued as if typed while curl ran.
    QCoreApplication::postEvent(w.ftp_edit[0]->lineEdit(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
    click(w.ftp_test);
    runEvents(20);
    EXPECT_EQ(w.ftp_edit[0]->Text(), host);
}

TEST_F(Settings, MailTestSendsTheBarePictureAndKeepsTheRecipientInMemory) {
    Einstellung &w = Einstellung::instance();
    w.TabPanel1->setValue(1);
    w.mail_edit[0]->setText(QString::fromUtf8("Müller, Jürgen"));  // no key codes for umlauts
    type(w.mail_edit[1], "eva@example.org");
    click(w.mail_test1);

    ASSERT_EQ(inbox->count(), 1);
    const Received r = inbox->message(1);
    EXPECT_EQ(r.to, QString::fromUtf8("Müller, Jürgen <eva@example.org>"));
    EXPECT_EQ(r.subject, QString::fromUtf8("Bild von Vidolin  -  Mittwoch, 4. März 2026 - 09:05"));
    ASSERT_EQ(r.attachments.size(), 1);
    const QImage attached = QImage::fromData(
        QByteArray::fromBase64(r.attachments[0].toObject()["data"].toString().toLatin1()));
    EXPECT_EQ(attached.size(), QSize(738, 372));

    click(w.Einstellung_fertig[0]);
    runEvents(20);
    EXPECT_EQ(mail::an_adresse, "eva@example.org");
    EXPECT_EQ(Einstellung::instance().mail_edit[0]->Text(), QString::fromUtf8("Müller, Jürgen"));
    EXPECT_FALSE(QFile::exists(prefsPath()));
}

TEST_F(Settings, UebernemenWritesAllSixAndTheWindowStays) {
    Module1::ftp_seite = "gespeichert";
    Einstellung &w = Einstellung::instance();
    type(w.ftp_edit[0], "ftp.example.org/web");
    type(w.ftp_edit[1], "name");
    type(w.ftp_edit[2], "pass wort");
    type(w.mail_edit[0], "Eva");
    type(w.mail_edit[1], "eva@example.org");
    click(w.Einstellung_fertig[1]);
    EXPECT_EQ(readFile(prefsPath()),
              "ftp.example.org/web\nname\npass wort\ngespeichert\nEva\neva@example.org\n");
    EXPECT_TRUE(w.isVisible());
}

TEST_F(Settings, TheMailTabStartsTheMailProgramEachTimeItIsChosen) {
    ScriptLog scripts;
    Einstellung &w = Einstellung::instance();
    QTabBar *bar = w.TabPanel1->tabBar();
    for (int tab : {1, 0, 1})
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    EXPECT_EQ(scripts.lines(), (QStringList{"173", "173"}));
}

}  // namespace
