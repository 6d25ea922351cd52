#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>

#include "publishing/MailRecipient.h"
#include "publishing/Preferences.h"
#include "publishing/StartWindowHook.h"
#include "support/TestHome.h"

namespace {

QString configDir() { return TestHome::path() + QStringLiteral("/.config"); }
QString prefsPath() { return configDir() + QStringLiteral("/Vidolin"); }

QStringList values() {
    return {Module1::ftp_server, Module1::ftp_name, Module1::ftp_passwort,
            Module1::ftp_seite,  mail::an_name,     mail::an_adresse};
}

void setValues(const QStringList &v) {
    Module1::ftp_server = v[0];
    Module1::ftp_name = v[1];
    Module1::ftp_passwort = v[2];
    Module1::ftp_seite = v[3];
    mail::an_name = v[4];
    mail::an_adresse = v[5];
}

QByteArray readFile() {
    QFile file(prefsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QByteArray &bytes) {
    QFile file(prefsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

mode_t fileMode() {
    struct stat st {};
    if (stat(QFile::encodeName(prefsPath()).constData(), &st) != 0) return 0;
    return st.st_mode & 07777;
}

class Preferences : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(configDir());
        QFile::remove(prefsPath());
        QDir(prefsPath()).removeRecursively();
        startWindowShown = 0;
        StartWindowHook::set([this] { ++startWindowShown; });
        setValues({"", "", "", "", "", ""});
    }
    void TearDown() override { StartWindowHook::set(nullptr); }

    int startWindowShown = 0;
};

const QStringList kOdd = {QStringLiteral("ftp.example.org:2121/www/bilder/"),
                          QStringLiteral("Jörg Übel: Web"),
                          QStringLiteral("  p:a ss wört  "),
                          QString(),
                          QStringLiteral("Grüße an Änne"),
                          QStringLiteral("aenne@example.org")};

TEST_F(Preferences, SixValuesRoundTripAsSixPlainLines) {
    setValues(kOdd);
    Module1::sichern();

    EXPECT_EQ(readFile(), kOdd.join('\n').toUtf8() + '\n');
    setValues({"x", "x", "x", "x", "x", "x"});
    Module1::laden();
    EXPECT_EQ(values(), kOdd);
    EXPECT_EQ(startWindowShown, 0);

    // A second save replaces the file whole.
    setValues({"b", "", "", "", "", ""});
    Module1::sichern();
    EXPECT_EQ(readFile(), QByteArray("b\n\n\n\n\n\n"));
}

TEST_F(Preferences, HoldsThePasswordForItsOwnerOnly) {
    writeFile("old\n");
    ASSERT_TRUE(
        QFile::setPermissions(prefsPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadGroup | QFileDevice::ReadOther));
    setValues(kOdd);
    Module1::sichern();
    EXPECT_EQ(fileMode(), 0600u);

    QFile::remove(prefsPath());
    const mode_t oldMask = umask(0);
    Module1::sichern();
    umask(oldMask);
    EXPECT_EQ(fileMode(), 0600u);
}

TEST_F(Preferences, ShortFilesReadAsEmptyAndLongFilesAreCutToSixLines) {
    setValues({"x", "x", "x", "x", "x", "x"});
    writeFile("server\nname");  // no line end after the last line
    Module1::laden();
    EXPECT_EQ(values(), QStringList({"server", "name", "", "", "", ""}));

    writeFile("1\n2\n3\n4\n5\n6\n7\n8\n");
    Module1::laden();
    EXPECT_EQ(values(), QStringList({"1", "2", "3", "4", "5", "6"}));
    Module1::sichern();
    EXPECT_EQ(readFile(), QByteArray("1\n2\n3\n4\n5\n6\n"));

    writeFile("");
    Module1::laden();
    EXPECT_EQ(values(), QStringList({"", "", "", "", "", ""}));
    EXPECT_EQ(startWindowShown, 0);
}

TEST_F(Preferences, NoFileShowsTheStartWindowAndKeepsTheValues) {
    setValues(kOdd);
    Module1::laden();
    EXPECT_EQ(startWindowShown, 1);
    EXPECT_EQ(values(), kOdd);
}

TEST_F(Preferences, AFileThatCannotBeOpenedChangesNothing) {
    // Root reads any file, so a folder in the file's place stands for an
    // unreadable file; a named pipe must not make either wait for a writer.
    for (const bool pipe : {false, true}) {
        QDir(prefsPath()).removeRecursively();
        if (pipe)
            ASSERT_EQ(mkfifo(QFile::encodeName(prefsPath()).constData(), 0600), 0);
        else
            ASSERT_TRUE(QDir().mkpath(prefsPath()));
        setValues(kOdd);
        Module1::laden();
        EXPECT_EQ(startWindowShown, 0);
        EXPECT_EQ(values(), kOdd);
        Module1::sichern();
        EXPECT_FALSE(QFileInfo(prefsPath()).isFile());
    }
    QFile::remove(prefsPath());
}

TEST_F(Preferences, AFailedWriteKeepsTheOldFile) {
    writeFile("alt\nalt\nalt\nalt\nalt\nalt\n");
    setValues({QString(5000, 'x'), "", "", "", "", ""});

    // A file size limit makes the write fail, also for root.
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Module1::sichern();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(readFile(), QByteArray("alt\nalt\nalt\nalt\nalt\nalt\n"));
    EXPECT_EQ(QDir(configDir()).entryList(QDir::Files | QDir::Hidden), QStringList({"Vidolin"}));
}

TEST_F(Preferences, LineEndsInAValueDoNotMoveTheOtherValues) {
    setValues({"ftp.example.org\n", "name\r\nzwei", "", "seite", "", "a@example.org"});
    Module1::sichern();
    Module1::laden();
    EXPECT_EQ(values(),
              QStringList({"ftp.example.org", "namezwei", "", "seite", "", "a@example.org"}));
}

TEST_F(Preferences, ANewAccountGetsItsConfigFolder) {
    ASSERT_TRUE(QDir(configDir()).removeRecursively());
    setValues(kOdd);
    Module1::sichern();
    setValues({"", "", "", "", "", ""});
    Module1::laden();
    EXPECT_EQ(values(), kOdd);
}

}  // namespace
