// The program on a real X server with a window manager (openbox, started by
// with-openbox.sh): window-manager closes on each window, Ctrl+Q from windows
// without a menu bar, placement on a small screen, a minimised sheet, a pipe
// in place of the preferences file, and a second start.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QGuiApplication>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

#include <xcb/xcb.h>

#include <sys/stat.h>

#include "capture/App.h"
#include "capture/Window1.h"
#include "capture/ausfenster.h"
#include "capture/w1.h"
#include "capture/w2.h"
#include "capture/w3.h"
#include "controls/Knopf.h"
#include "platform/CamCapture.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/RadioButton.h"
#include "platform/Screen.h"
#include "platform/SingleInstance.h"
#include "publishing/Einstellung.h"
#include "publishing/startfenster.h"
#include "scheduling/w5.h"
#include "support/Discoverer.h"
#include "support/Files.h"
#include "support/Gui.h"
#include "support/ScriptLog.h"
#include "support/TestHome.h"

namespace {

const QStringList kQuitHooks{"171", "169", "171", "169"};

QString desktop(const QString &name = QString()) {
    return TestHome::path() + QStringLiteral("/Desktop/") + name;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name) {
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen(name), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    free(reply);
    return a;
}

// What a window manager sends for its close button, Alt+F4 or the taskbar.
void windowManagerClose(QWidget *window) {
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_TRUE(x11);
    xcb_connection_t *c = x11->connection();
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window->winId());
    message.type = atom(c, "WM_PROTOCOLS");
    message.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(c);
}

// Real key presses through the X server into the window that has the focus.
void pressKeysIn(QWidget *window, const char *keys) {
    const QString id = QString::number(window->winId());
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("windowactivate"), QStringLiteral("--sync"), id});
    ASSERT_TRUE(waitUntil([window] { return window->isActiveWindow(); }, 30000));
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("key"), QString::fromLatin1(keys)});
}

// Whether the X server shows the window (a minimised one is unmapped).
bool mapped(QWidget *window) {
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *c = x11->connection();
    xcb_get_window_attributes_reply_t *reply = xcb_get_window_attributes_reply(
        c, xcb_get_window_attributes(c, static_cast<xcb_window_t>(window->winId())), nullptr);
    const bool viewable = reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    free(reply);
    return viewable;
}

bool hasFrame() { return w2::exists() && w2::instance().cam->GetPicture(32) != nullptr; }

QString prefsPath() { return TestHome::path() + QStringLiteral("/.config/Vidolin"); }

void startAt(int minute, bool writePreferences = true) {
    // A returning user: with a preferences file no start window comes up.
    QDir().mkpath(TestHome::path() + QStringLiteral("/.config"));
    if (writePreferences) {
        ASSERT_TRUE(writeFile(prefsPath(), "\n\n\n\n\n\n"));
    }
    Clock::setFixed(QDateTime(QDate(2026, 3, 7), QTime(9, minute, 0)));
    App::Startup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w1::instance(), 30000));
}

void openCamera() {
    w1 &choice = w1::instance();
    click(choice.t[0]->button());  // "Testton"
    click(choice.Knopf1);          // "weiter"
    ASSERT_TRUE(waitUntil(hasFrame, 30000));
    // The camera window's first paint docks and shows the panel.
    ASSERT_TRUE(waitUntil([] { return Window1::instance().isVisible(); }, 30000));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window1::instance(), 30000));
}

bool quitDone(int minute) {
    return !QDir(desktop(QStringLiteral("Kameraordner"))).exists() &&
           QDir(desktop(QStringLiteral("Vidolin_7-3-9-%1").arg(minute))).exists() &&
           !w1::exists() && !Window1::exists();
}

TEST(WindowManager, ClosingTheCameraWindowQuitsAsBeendenAndFinishesTheMovie) {
    ScriptLog scripts;
    startAt(1);
    openCamera();
    click(Window1::instance().Knopf3[0]);  // "Film"
    const QString movie = desktop(QStringLiteral("Kameraordner/Film1"));
    ASSERT_TRUE(waitUntil([&] { return QFileInfo(movie).size() > 100000; }, 60000));
    scripts.clear();

    windowManagerClose(&w2::instance());
    ASSERT_TRUE(waitUntil([] { return quitDone(1); }, 60000));
    EXPECT_EQ(scripts.lines(), kQuitHooks);
    EXPECT_EQ(QDir(desktop()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Vidolin_7-3-9-1")});
    const Discovered film = discover(desktop(QStringLiteral("Vidolin_7-3-9-1/Film1")));
    EXPECT_TRUE(film.ok);
    EXPECT_GT(film.seconds, 0.0);
}

TEST(WindowManager, ClosingThePanelQuitsAsBeenden) {
    ScriptLog scripts;
    startAt(2);
    openCamera();
    scripts.clear();
    windowManagerClose(&Window1::instance());
    ASSERT_TRUE(waitUntil([] { return quitDone(2); }, 60000));
    EXPECT_EQ(scripts.lines(), kQuitHooks);
}

TEST(WindowManager, SheetAndRestoreWindowCloseAsTheirButtonsAndCtrlQQuitsFromThem) {
    ScriptLog scripts;
    startAt(3);
    openCamera();
    Window1 &panel = Window1::instance();

    click(panel.Knopf1[0]);  // "Größe"
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w3::instance(), 30000));
    windowManagerClose(&w3::instance());
    ASSERT_TRUE(waitUntil([] { return !w3::instance().isVisible() && hasFrame(); }, 30000));

    QTest::mouseClick(panel.aus, Qt::LeftButton, Qt::NoModifier, QPoint(7, 7));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ausfenster::instance(), 30000));
    // The window manager leaves the restore window where the program put it.
    const QPoint corner(Screen(0).AvailableLeft, Screen(0).AvailableTop);
    EXPECT_TRUE(waitUntil(
        [&] { return ausfenster::instance().frameGeometry().topLeft() == corner; }, 30000));
    windowManagerClose(&ausfenster::instance());
    ASSERT_TRUE(waitUntil([&] { return !ausfenster::exists() && panel.isVisible(); }, 30000));
    EXPECT_TRUE(w2::instance().isVisible());

    QTest::mouseClick(panel.aus, Qt::LeftButton, Qt::NoModifier, QPoint(7, 7));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ausfenster::instance(), 30000));
    scripts.clear();
    pressKeysIn(&ausfenster::instance(), "ctrl+q");
    ASSERT_TRUE(waitUntil([] { return quitDone(3); }, 60000));
    EXPECT_EQ(scripts.lines(), kQuitHooks);

    // From the input choice, before any camera window exists.
    startAt(4);
    pressKeysIn(&w1::instance(), "ctrl+q");
    ASSERT_TRUE(waitUntil([] { return quitDone(4); }, 60000));
}

TEST(WindowManager, OnASmallScreenPlacedWindowsKeepTheirTopOnTheScreen) {
    startAt(5);
    Window1::instance().gross = 4;  // 1280 × 960 on a 1366 × 768 screen
    openCamera();
    w2 &camera = w2::instance();
    Window1 &panel = Window1::instance();
    const int top = Screen(0).AvailableTop;
    EXPECT_EQ(camera.Width(), 1290);
    EXPECT_GE(camera.frameGeometry().top(), top);
    EXPECT_GE(panel.Top(), top);

    // Pushed above the screen, the camera window still docks the panel on it.
    camera.setTop(top - 200);
    camera.Refresh(true);
    ASSERT_TRUE(waitUntil([&] { return panel.Top() == std::max(top, camera.Top()); }, 30000));
    App::get()->Quit();
    ASSERT_TRUE(waitUntil([] { return quitDone(5); }, 60000));
}

TEST(WindowManager, ZeitBringsBackTheCameraWindowWithItsMinimisedSheet) {
    startAt(7);
    openCamera();
    Window1 &panel = Window1::instance();
    w2 &camera = w2::instance();
    click(panel.Knopf2_1);  // "Zeit"
    w5 &sheet = w5::instance();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet, 30000));

    // The window manager's minimise on the sheet takes the camera window along.
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("windowminimize"), QString::number(sheet.winId())});
    ASSERT_TRUE(waitUntil(
        [&] { return !mapped(&sheet) && !mapped(&camera) && camera.isMinimized(); }, 30000));
    click(panel.Knopf2_1);
    EXPECT_TRUE(waitUntil([&] { return mapped(&camera) && mapped(&sheet); }, 30000));
    EXPECT_FALSE(camera.isMinimized());
    App::get()->Quit();
    ASSERT_TRUE(waitUntil([] { return quitDone(7); }, 60000));
}

TEST(WindowManager, APipeInPlaceOfThePreferencesFileBlocksNeitherStartNorUebernemen) {
    QFile::remove(prefsPath());
    ASSERT_EQ(mkfifo(QFile::encodeName(prefsPath()).constData(), 0600), 0);
    startAt(8, /*writePreferences=*/false);
    EXPECT_FALSE(startfenster::exists());
    openCamera();
    Einstellung::instance().Show();
    click(Einstellung::instance().Einstellung_fertig[1]);  // "Übernemen"
    EXPECT_FALSE(QFileInfo(prefsPath()).isFile());
    App::get()->Quit();
    ASSERT_TRUE(waitUntil([] { return quitDone(8); }, 60000));
    QFile::remove(prefsPath());
}

// Names, sizes and times of every file under the home folder but the
// runtime folder.
QStringList homeSnapshot() {
    QStringList entries;
    QDirIterator it(TestHome::path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.filePath().contains(QStringLiteral("/runtime"))) continue;
        entries << info.filePath() + QLatin1Char(' ') + QString::number(info.size()) +
                       QLatin1Char(' ') + info.lastModified().toString(Qt::ISODateWithMs);
    }
    entries.sort();
    return entries;
}

TEST(WindowManager, ASecondStartBringsTheRunningProgramToTheFrontAndTouchesNothing) {
    SingleInstance running(QStringLiteral("vidolin"));
    ASSERT_TRUE(running.claim());
    running.bringToFront = [] { Window::bringShownWindowsToFront(); };
    startAt(6);
    w1 &choice = w1::instance();
    choice.showMinimized();
    ASSERT_TRUE(waitUntil([&] { return choice.isMinimized(); }, 30000));
    const QStringList before = homeSnapshot();

    QProcess second;
    second.start(QString::fromLocal8Bit(qgetenv("VIDOLIN_PROGRAM")), QStringList());
    ASSERT_TRUE(waitUntil([&] { return second.state() == QProcess::NotRunning; }, 60000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(waitUntil([&] { return !choice.isMinimized() && choice.isActiveWindow(); }, 30000));
    EXPECT_EQ(homeSnapshot(), before);
    App::get()->Quit();
    ASSERT_TRUE(waitUntil([] { return quitDone(6); }, 60000));
}

}  // namespace
