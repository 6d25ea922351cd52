// The main road of capture, driven through the real windows with simulated
// clicks, a real camera pipeline on the built-in test picture, and real
// JPEG and movie files.
#include <gtest/gtest.h>

#include <QCursor>
#include <QDir>
#include <QImage>
#include <QRadioButton>
#include <QTest>

#include "capture/App.h"
#include "capture/Startmodul.h"
#include "capture/Window1.h"
#include "capture/ausfenster.h"
#include "capture/w1.h"
#include "capture/w2.h"
#include "capture/w3.h"
#include "controls/Knopf.h"
#include "platform/CamCapture.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/PagePanel.h"
#include "platform/RadioButton.h"
#include "platform/Screen.h"
#include "platform/Timer.h"
#include "support/Discoverer.h"
#include "support/Files.h"
#include "support/Gui.h"
#include "support/ScriptLog.h"
#include "support/TestHome.h"

namespace {

QString desktop(const QString &name = QString()) {
    return TestHome::path() + QStringLiteral("/Desktop/") + name;
}

bool hasFrame() { return w2::exists() && w2::instance().cam->GetPicture(32) != nullptr; }

void expectDocked() {
    w2 &camera = w2::instance();
    Window1 &panel = Window1::instance();
    EXPECT_EQ(panel.Left(),
              std::min(Screen(0).Width - panel.Width(), camera.Left() + camera.Width() + 10));
    EXPECT_EQ(panel.Top(), camera.Top());
    EXPECT_TRUE(panel.isVisible());
}

void chooseSize(int index) {
    Window1 &panel = Window1::instance();
    click(panel.Knopf1[0]);  // "Größe"
    EXPECT_FALSE(w2::exists());
    ASSERT_TRUE(w3::exists());
    EXPECT_TRUE(w3::instance().isVisible());
    click(w3::instance().RadioButton1[index]->button());
    click(w3::instance().Knopf1);  // "Schließen"
    EXPECT_FALSE(w3::instance().isVisible());
    ASSERT_TRUE(waitUntil(hasFrame));
    runEvents(100);
}

TEST(CaptureRoadTest, AUserTakesPicturesRecordsMoviesResizesHidesAndQuits) {
    ScriptLog scripts;
    Clock::setFixed(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 0)));

    App::Startup();
    Window1 &panel = Window1::instance();
    EXPECT_EQ(panel.gross, 3);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(QDir(desktop(QStringLiteral("Kameraordner"))).exists());

    // The input choice lists the built-in inputs.
    w1 &choice = w1::instance();
    ASSERT_TRUE(choice.isVisible());
    EXPECT_EQ(choice.v[0]->Caption(), QStringLiteral("Testbild"));
    EXPECT_TRUE(choice.v[0]->isVisible());
    EXPECT_TRUE(choice.v[0]->Value());
    EXPECT_FALSE(choice.v[3]->isVisible());
    click(choice.t[0]->button());  // Testton, visible once listed
    EXPECT_TRUE(choice.t[0]->Value());
    EXPECT_FALSE(choice.t[1]->Value());
    click(choice.Knopf1);  // "weiter"
    EXPECT_EQ(Startmodul::bildname, QStringLiteral("Testbild"));
    EXPECT_EQ(Startmodul::tonname, QStringLiteral("Testton"));
    EXPECT_FALSE(choice.isVisible());
    EXPECT_EQ(scripts.lines(), QStringList{QStringLiteral("170")});

    // The camera window at 960 × 720, the panel docked beside it.
    ASSERT_TRUE(w2::exists());
    ASSERT_TRUE(waitUntil(hasFrame));
    runEvents(100);
    EXPECT_EQ(w2::instance().Width(), 970);
    EXPECT_EQ(w2::instance().Height(), 730);
    EXPECT_EQ(w2::instance().cam->Left(), 5);
    EXPECT_EQ(w2::instance().cam->Width(), 960);
    expectDocked();

    // Two stamped pictures.
    click(panel.Knopf3[1]);
    click(panel.Knopf3[1]);
    for (const char *name : {"Bild1.jpg", "Bild2.jpg"}) {
        const QImage picture(desktop(QStringLiteral("Kameraordner/")) + QLatin1String(name));
        EXPECT_EQ(picture.size(), QSize(960, 740)) << name;
    }

    // A movie: the movie page, sound off and microphone on, then Stop. The
    // folder still holds a "Film1" of a run that ended badly: it stays.
    ASSERT_TRUE(writeFile(desktop(QStringLiteral("Kameraordner/Film1")), "old movie"));
    scripts.clear();
    click(panel.Knopf3[0]);
    EXPECT_EQ(panel.PagePanel1->Value(), 1);
    EXPECT_EQ(scripts.lines(), (QStringList{QStringLiteral("168"), QStringLiteral("171")}));
    const uint64_t recorded = w2::instance().cam->framesArrived() + 45;  // 1.5 s of movie
    ASSERT_TRUE(waitUntil([&] { return w2::instance().cam->framesArrived() >= recorded; }, 60000));
    scripts.clear();
    panel.t_timer->setMode(2);
    panel.t_timer1->setMode(2);
    Startmodul::q = 1;
    click(panel.stop);
    EXPECT_EQ(panel.PagePanel1->Value(), 0);
    EXPECT_EQ(scripts.lines(), (QStringList{QStringLiteral("170"), QStringLiteral("169")}));
    EXPECT_EQ(Startmodul::q, 0);
    EXPECT_EQ(panel.t_timer->Mode(), 0);
    EXPECT_EQ(panel.t_timer1->Mode(), 0);
    EXPECT_EQ(readFile(desktop(QStringLiteral("Kameraordner/Film1"))), QByteArray("old movie"));
    ASSERT_TRUE(w2::instance().cam->WaitForMovies(30000));  // finished in the background
    const Discovered movie = discover(desktop(QStringLiteral("Kameraordner/Film2")));
    EXPECT_TRUE(movie.ok);
    EXPECT_EQ(movie.container, QStringLiteral("WebM"));
    EXPECT_EQ(movie.video, QStringLiteral("VP8"));
    EXPECT_EQ(movie.audio, QStringLiteral("Opus"));
    EXPECT_EQ(movie.width, 960);
    EXPECT_GT(movie.seconds, 1.0);

    click(panel.Knopf3[0]);
    runEvents(500);
    click(panel.stop);
    EXPECT_TRUE(QFile::exists(desktop(QStringLiteral("Kameraordner/Film3"))));

    // "Stop" on the status page ends the schedule's clocks only.
    scripts.clear();
    Startmodul::q = 1;
    panel.PagePanel1->setValue(2);
    panel.t_timer->setMode(2);
    panel.t_timer1->setMode(2);
    click(panel.stop1);
    EXPECT_EQ(panel.PagePanel1->Value(), 0);
    EXPECT_EQ(panel.t_timer->Mode(), 0);
    EXPECT_EQ(panel.t_timer1->Mode(), 0);
    EXPECT_EQ(Startmodul::q, 1);
    EXPECT_TRUE(scripts.lines().isEmpty());

    // A smaller picture and back.
    chooseSize(0);
    EXPECT_EQ(panel.gross, 1);
    EXPECT_EQ(w2::instance().Width(), 330);
    EXPECT_EQ(w2::instance().Height(), 250);
    EXPECT_EQ(w2::instance().cam->size(), QSize(320, 240));
    EXPECT_EQ(w2::instance().cam->GetPicture(32)->Width(), 320);
    expectDocked();
    chooseSize(2);
    EXPECT_EQ(w2::instance().cam->size(), QSize(960, 720));
    EXPECT_TRUE(w3::instance().RadioButton1[2]->Value());

    // Hide behind the restore button and come back to the same state.
    panel.PagePanel1->setValue(1);
    QTest::mouseClick(panel.aus, Qt::LeftButton, Qt::NoModifier, QPoint(7, 7));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_FALSE(w2::instance().isVisible());
    ASSERT_TRUE(ausfenster::exists());
    EXPECT_EQ(ausfenster::instance().Left(), Screen(0).AvailableLeft);
    EXPECT_EQ(ausfenster::instance().Top(), Screen(0).AvailableTop);
    click(ausfenster::instance().Knopf1);
    EXPECT_FALSE(ausfenster::exists());
    EXPECT_TRUE(panel.isVisible());
    EXPECT_TRUE(w2::instance().isVisible());
    EXPECT_EQ(panel.PagePanel1->Value(), 1);
    panel.PagePanel1->setValue(0);

    // Dragging by the body: the pressed point stays under the pointer.
    panel.Event_MouseDown(60, 30);
    QCursor::setPos(500, 400);
    panel.Event_MouseDrag(61, 31);
    EXPECT_EQ(panel.Left(), 440);
    EXPECT_EQ(panel.Top(), 370);

    // Quit: the folder takes its dated name with every file in it.
    scripts.clear();
    App::get()->Quit();
    runEvents(200);
    const QDir renamed(desktop(QStringLiteral("Vidolin_7-3-9-5")));
    ASSERT_TRUE(renamed.exists());
    EXPECT_EQ(
        renamed.entryList(QDir::Files, QDir::Name),
        (QStringList{QStringLiteral("Bild1.jpg"), QStringLiteral("Bild2.jpg"),
                     QStringLiteral("Film1"), QStringLiteral("Film2"), QStringLiteral("Film3")}));
    EXPECT_FALSE(QDir(desktop(QStringLiteral("Kameraordner"))).exists());
    EXPECT_EQ(scripts.lines(), (QStringList{QStringLiteral("171"), QStringLiteral("169"),
                                            QStringLiteral("171"), QStringLiteral("169")}));

    // A second run ending in the same minute gets a folder of its own.
    Window1::instance();
    EXPECT_TRUE(QDir(desktop(QStringLiteral("Kameraordner"))).exists());
    Window1::instance().Close();
    EXPECT_TRUE(QDir(desktop(QStringLiteral("Vidolin_7-3-9-5 (2)"))).exists());
    EXPECT_EQ(renamed.entryList(QDir::Files).size(), 5);
    Clock::useSystemTime();
}

}  // namespace
