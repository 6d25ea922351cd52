// The bundle as the build leaves it in build/Resources: the drawn pictures,
// the page template and the system scripts.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace {

QString resourcePath(const QString &name) {
    return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources"))
        .absoluteFilePath(name);
}

QImage picture(const QString &name) { return QImage(resourcePath(name)); }

// The script whose file name starts with the number, as the program finds it.
QString script(int number) {
    const QDir dir(resourcePath(QStringLiteral("Scripts")));
    const QStringList names =
        dir.entryList({QString::number(number) + QLatin1Char('*')}, QDir::Files);
    return names.size() == 1 ? dir.filePath(names.first()) : QString();
}

bool near(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

TEST(BundlePictures, RedDotIsRedOnPureWhite) {
    const QImage dot = picture(QStringLiteral("rot.bmp"));
    ASSERT_EQ(dot.size(), QSize(15, 15));
    const QRgb centre = dot.pixel(7, 7);
    EXPECT_GT(qRed(centre), 150);
    EXPECT_LT(qGreen(centre), 80);
    EXPECT_LT(qBlue(centre), 80);
    // White is drawn transparent: the surroundings must be exactly white and
    // the dot must have no pale fringe that would show on the dark panel.
    for (const QPoint corner : {QPoint(0, 0), QPoint(14, 0), QPoint(0, 14), QPoint(14, 14)})
        EXPECT_EQ(dot.pixel(corner) & 0xFFFFFF, 0xFFFFFFu);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x) {
            const QRgb c = dot.pixel(x, y);
            if ((c & 0xFFFFFF) == 0xFFFFFF) continue;
            EXPECT_GT(qRed(c), qGreen(c) + 60) << x << "," << y;
        }
}

TEST(BundlePictures, GlossMaskIsGreyAndLightAtTheTop) {
    const QImage mask = picture(QStringLiteral("m1.bmp"));
    ASSERT_FALSE(mask.isNull());
    EXPECT_TRUE(mask.isGrayscale());
    // Light mask = white shining through the face colour: the gloss sits on
    // the upper part, the lower part shows the fuller face colour.
    auto meanRows = [&mask](int from, int to) {
        double sum = 0;
        for (int y = from; y < to; ++y)
            for (int x = 0; x < mask.width(); ++x) sum += qGray(mask.pixel(x, y));
        return sum / ((to - from) * mask.width());
    };
    const int h = mask.height();
    EXPECT_GT(meanRows(0, h / 4), meanRows(h / 2, h) + 40);
}

TEST(BundlePictures, LogoAndStartPictureHaveTheirSizes) {
    const QImage logo = picture(QStringLiteral("Bild 3.png"));
    const QImage start = picture(QStringLiteral("Bild 2.png"));
    EXPECT_EQ(logo.size(), QSize(200, 90));
    EXPECT_EQ(start.size(), QSize(738, 372));
    // Both carry a drawing, not just a plain background.
    for (const QImage &image : {logo, start}) {
        const QRgb background = image.pixel(2, 2);
        int differing = 0;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                if (!near(image.pixel(x, y), background, 40)) ++differing;
        EXPECT_GT(differing, 300);
    }
}

// The help window shows the help picture from (50, 100) on, 462 pixels wide,
// and can scroll down to row 1899; whatever lies outside that is never seen.
TEST(BundlePictures, HelpDrawsOnlyWhereTheHelpWindowLooks) {
    const QImage help = picture(QStringLiteral("help.jpg"));
    ASSERT_GE(help.width(), 600);
    ASSERT_GE(help.height(), 2200);
    const QRect seen(50, 100, 462, 1800);
    const QRgb paper = help.pixel(0, 0);
    int strayPixels = 0, textPixels = 0, textPixelsLowDown = 0;
    for (int y = 0; y < help.height(); ++y)
        for (int x = 0; x < help.width(); ++x) {
            const QRgb c = help.pixel(x, y);
            if (!seen.contains(x, y)) {
                if (!near(c, paper, 8)) ++strayPixels;
            } else if (qGray(c) < 110) {
                ++textPixels;
                if (y >= 1300) ++textPixelsLowDown;
            }
        }
    EXPECT_EQ(strayPixels, 0);
    EXPECT_GT(textPixels, 20000);
    EXPECT_GT(textPixelsLowDown, 2000) << "the help should use the scrolled part too";
}

TEST(BundlePage, ShowsTheCameraPictureInPlainAscii) {
    QFile page(resourcePath(QStringLiteral("Kameraseite.html")));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    EXPECT_TRUE(text.contains("src=\"Kamerabild.jpg\""));
    // The program reads the template without naming an encoding.
    for (const char c : text) EXPECT_GE(static_cast<signed char>(c), 0);
}

// Runs the scripts with a PATH of our own: a folder holding only a shell, the
// few tools the scripts may use and the fakes a test puts there.
class BundleScripts : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        bin = dir.filePath(QStringLiteral("bin"));
        logFile = dir.filePath(QStringLiteral("calls.log"));
        ASSERT_TRUE(QDir().mkpath(bin));
        for (const char *tool : {"sh", "timeout", "sleep", "setsid"}) {
            const QString found = QStandardPaths::findExecutable(QString::fromLatin1(tool));
            if (!found.isEmpty()) QFile::link(found, bin + QLatin1Char('/') + QLatin1String(tool));
        }
    }

    // A fake command in the PATH folder; the body runs under /bin/sh and
    // finds the log file in $LOG.
    void fake(const QString &name, const QString &body) {
        QFile file(bin + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(("#!/bin/sh\n" + body + "\n").toUtf8());
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                            QFileDevice::ExeOther);
    }

    // Runs script `number`; returns its exit code (-1 when it did not end).
    int run(int number) {
        const QString path = script(number);
        if (path.isEmpty()) return -1;
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), bin);
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("LOG"), logFile);
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(path, {});
        const bool ended = process.waitForFinished(15000);
        if (!ended) {
            process.kill();
            process.waitForFinished();
            return -1;
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QStringList calls() const {
        QFile file(logFile);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir dir;
    QString bin, logFile;
};

TEST_F(BundleScripts, EachScriptIsExecutableAndEndsWellWithoutAnyTools) {
    for (int number : {168, 169, 170, 171, 173}) {
        SCOPED_TRACE(number);
        const QString path = script(number);
        ASSERT_FALSE(path.isEmpty());
        EXPECT_TRUE(QFileInfo(path).isExecutable());
        EXPECT_EQ(run(number), 0);
    }
    EXPECT_TRUE(calls().isEmpty());
}

TEST_F(BundleScripts, SoundScriptsUsePactlAndFallBackToAmixer) {
    const QList<std::pair<int, QString>> pactlCalls = {
        {168, "pactl set-sink-mute @DEFAULT_SINK@ 1"},
        {169, "pactl set-sink-mute @DEFAULT_SINK@ 0"},
        {170, "pactl set-source-mute @DEFAULT_SOURCE@ 1"},
        {171, "pactl set-source-mute @DEFAULT_SOURCE@ 0"}};
    const QStringList amixerCalls = {"amixer -q sset Master mute", "amixer -q sset Master unmute",
                                     "amixer -q sset Capture nocap", "amixer -q sset Capture cap"};
    fake("amixer", "echo \"amixer $*\" >> \"$LOG\"");

    // A working sound server: pactl alone.
    fake("pactl", "echo \"pactl $*\" >> \"$LOG\"");
    for (const auto &[number, call] : pactlCalls) EXPECT_EQ(run(number), 0);
    QStringList expected;
    for (const auto &entry : pactlCalls) expected << entry.second;
    EXPECT_EQ(calls(), expected);

    // No sound server: pactl fails, amixer takes over.
    QFile::remove(logFile);
    fake("pactl", "echo \"pactl $*\" >> \"$LOG\"\nexit 1");
    for (const auto &entry : pactlCalls) EXPECT_EQ(run(entry.first), 0);
    expected.clear();
    for (int i = 0; i < pactlCalls.size(); ++i) expected << pactlCalls[i].second << amixerCalls[i];
    EXPECT_EQ(calls(), expected);
}

TEST_F(BundleScripts, HangingSoundServerDoesNotHoldTheProgram) {
    fake("pactl", "sleep 30");
    fake("amixer", "echo \"amixer $*\" >> \"$LOG\"");
    EXPECT_EQ(run(168), 0);
    // A script the program had to kill would never reach amixer.
    EXPECT_EQ(calls(), QStringList{"amixer -q sset Master mute"});
}

TEST_F(BundleScripts, MailStarterLaunchesTheMailtoHandlerWithoutWaiting) {
    fake("gtk-launch", "echo \"gtk-launch $*\" >> \"$LOG\"\nsleep 10\necho ended >> \"$LOG\"");

    fake("xdg-mime", "echo 'mail;reboot.desktop'");
    EXPECT_EQ(run(173), 0);
    QThread::msleep(300);
    EXPECT_TRUE(calls().isEmpty()) << "a handler name that is no plain file name is ignored";

    fake("xdg-mime",
         "[ \"$*\" = 'query default x-scheme-handler/mailto' ] && echo fakemail.desktop");
    EXPECT_EQ(run(173), 0);
    EXPECT_FALSE(calls().contains("ended")) << "the script waited for the mail program";
    QElapsedTimer wait;
    wait.start();
    while (calls().isEmpty() && wait.elapsed() < 3000) QThread::msleep(20);
    EXPECT_EQ(calls(), QStringList{"gtk-launch fakemail.desktop"});
}

}  // namespace
