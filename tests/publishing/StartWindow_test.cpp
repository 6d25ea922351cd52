// A first run: without a preferences file the start window greets the user
// in front of the input choice; its link opens the home page, its button
// leads on, and it comes back only when the preferences are looked for again
// and are still missing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QUrl>

#include "capture/App.h"
#include "capture/w1.h"
#include "controls/Knopf.h"
#include "platform/EditField.h"
#include "platform/StaticText.h"
#include "publishing/Einstellung.h"
#include "publishing/Preferences.h"
#include "publishing/startfenster.h"
#include "support/Gui.h"
#include "support/TestHome.h"

// Catches what the program hands to the browser (offscreen, Qt opens nothing).
class Browser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

namespace {

QString prefsPath() { return TestHome::path() + QStringLiteral("/.config/Vidolin"); }

TEST(StartWindow, GreetsAFirstRunAndLeadsOn) {
    ASSERT_FALSE(QFile::exists(prefsPath()));
    App::Startup();
    ASSERT_TRUE(startfenster::exists());
    startfenster &start = startfenster::instance();
    EXPECT_TRUE(start.isVisible());
    EXPECT_TRUE(w1::instance().isVisible());
    EXPECT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &start; }));

    // A press on the link and a release far outside it open the address
    // that the link shows, once.
    Browser browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    QTest::mousePress(start.hometext, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseRelease(start.hometext, Qt::LeftButton, Qt::NoModifier, QPoint(-40, 300));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0].toString(), start.hometext->Text());

    // The button hides the window, which stays, and opens the settings.
    click(start.starteinstellung);
    EXPECT_FALSE(start.isVisible());
    ASSERT_TRUE(Einstellung::exists());
    Einstellung &settings = Einstellung::instance();
    EXPECT_TRUE(settings.isVisible());

    // Again while the settings are open: the same window, with its fields as
    // the user typed them.
    settings.ftp_edit[0]->setText(QStringLiteral("ftp.example.org"));
    start.Show();
    click(start.starteinstellung);
    EXPECT_EQ(&Einstellung::instance(), &settings);
    EXPECT_EQ(settings.ftp_edit[0]->Text(), QStringLiteral("ftp.example.org"));

    // "Zurück" leaves the start window hidden.
    click(settings.Einstellung_fertig[0]);
    EXPECT_FALSE(Einstellung::exists());
    EXPECT_FALSE(start.isVisible());

    // With a preferences file it stays away; without one the same window,
    // kept all the while, comes back.
    QDir().mkpath(TestHome::path() + QStringLiteral("/.config"));
    QFile file(prefsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    Module1::laden();
    EXPECT_FALSE(start.isVisible());
    QFile::remove(prefsPath());
    Module1::laden();
    EXPECT_EQ(&startfenster::instance(), &start);
    EXPECT_TRUE(start.isVisible());
}

}  // namespace

#include "StartWindow_test.moc"
