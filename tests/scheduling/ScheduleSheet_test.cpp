// The schedule sheet driven with simulated clicks and keys, the clock fixed.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>

#include "capture/Startmodul.h"
#include "capture/Window1.h"
#include "capture/w2.h"
#include "capture/w3.h"
#include "controls/Knopf.h"
#include "controls/MonthCalendarInspector.h"
#include "controls/calCanvas_ein.h"
#include "platform/CamCapture.h"
#include "platform/CheckBox.h"
#include "platform/Clock.h"
#include "platform/EditField.h"
#include "platform/GroupBox.h"
#include "platform/PagePanel.h"
#include "platform/RadioButton.h"
#include "platform/Timer.h"
#include "scheduling/w5.h"
#include "support/Discoverer.h"
#include "support/Gui.h"
#include "support/ScriptLog.h"
#include "support/TestHome.h"

namespace {

void setClock(int hour, int minute, int day = 9) {
    Clock::setFixed(QDateTime(QDate(2026, 12, day), QTime(hour, minute)));
}

// A new sheet, shown on its own and active, so that keys and focus reach it.
w5 &freshSheet() {
    if (w5::exists()) w5::instance().Close();
    w5 &sheet = w5::instance();
    sheet.ShowWithin(nullptr, -1);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&sheet));
    return sheet;
}

// Replaces a field's text by typing, as a user does.
void type(EditField *field, const QString &text) {
    field->lineEdit()->setFocus();
    field->lineEdit()->selectAll();
    QTest::keyClick(field->lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(field->lineEdit(), text);
}

QStringList times(const w5 &s) {
    return {s.tagein[0]->Text(), s.tagein[1]->Text(), s.tagaus[0]->Text(), s.tagaus[1]->Text()};
}

class ScheduleSheet : public ::testing::Test {
protected:
    void SetUp() override { setClock(14, 7); }
    void TearDown() override {
        if (w5::exists()) w5::instance().Close();
        if (w2::exists()) w2::instance().Close();
        if (Window1::exists()) Window1::instance().stop1_Action();
        Clock::useSystemTime();
        Startmodul::pr = true;
        runEvents(20);
    }
    ScriptLog scripts;
};

TEST_F(ScheduleSheet, OpensWithTheNextMinuteAndAnHourLater) {
    struct Case {
        int h, m;
        QStringList fields;
        QDate on, off;  // the stored days
    };
    const QDate today(2026, 12, 9), tomorrow(2026, 12, 10);
    const Case cases[] = {
        {14, 7, {"14", "08", "15", "08"}, today, today},
        {9, 4, {"9", "05", "10", "05"}, today, today},
        {23, 59, {"0", "00", "1", "00"}, today, tomorrow},
        {22, 59, {"23", "00", "0", "00"}, today, today},
        {23, 30, {"23", "31", "0", "31"}, today, tomorrow},
    };
    for (const Case &c : cases) {
        setClock(c.h, c.m);
        w5 &sheet = freshSheet();
        EXPECT_EQ(times(sheet), c.fields) << c.h << ":" << c.m;
        EXPECT_EQ(sheet.tagoft->Text(), QStringLiteral("10"));
        EXPECT_EQ(sheet.Height(), 342);
        EXPECT_EQ(Startmodul::d_ein->toDateTime().date(), c.on) << c.h << ":" << c.m;
        EXPECT_EQ(Startmodul::d_aus->toDateTime().date(), c.off) << c.h << ":" << c.m;
        EXPECT_EQ(sheet.GroupBox2->Caption(),
                  QStringLiteral("Aus      ") + Startmodul::d_aus->ShortDate());
    }
}

TEST_F(ScheduleSheet, TheViewsMoveTheBottomBoundControls) {
    w5 &sheet = freshSheet();
    // Daily view: 210 higher than laid out, the calendars above the top edge.
    EXPECT_EQ(sheet.Knopf1->pos(), QPoint(185, 312));
    EXPECT_EQ(sheet.Canvas1->Top(), 19);
    EXPECT_EQ(sheet.GroupBox1->Top() + sheet.GroupBox1->Height(), 0);
    EXPECT_EQ(QPoint(sheet.protokol->Left(), sheet.protokol->Top()), QPoint(61, 274));

    click(sheet.Kalender_ein[0]->button());  // "Kalender"
    EXPECT_EQ(sheet.Height(), 552);
    EXPECT_EQ(sheet.Knopf2->pos(), QPoint(0, 522));
    EXPECT_EQ(sheet.calCanvas_ein1->Top(), 50);
    EXPECT_EQ(QPoint(sheet.protokol->Left(), sheet.protokol->Top()), QPoint(61, 484));

    // A day clicked on the switch-on calendar is kept as the calendar's own object.
    calCanvas_ein *calendar = sheet.calCanvas_ein1;
    calendar->surfaceImage();
    QTest::mouseClick(calendar, Qt::LeftButton, Qt::NoModifier,
                      MonthCalendarInspector::centre(*calendar, 12 + 16));  // 12 December
    EXPECT_EQ(Startmodul::d_ein, MonthCalendarInspector::selected(*calendar));
    EXPECT_EQ(Startmodul::d_ein->Day(), 12);
    EXPECT_EQ(sheet.GroupBox1->Caption(),
              QStringLiteral("Ein      ") + Startmodul::d_ein->ShortDate());
    const DatePtr on = Startmodul::d_ein;

    click(sheet.Kalender_ein[1]->button());  // "täglich"
    EXPECT_EQ(sheet.Height(), 342);
    EXPECT_EQ(sheet.Knopf2->pos(), QPoint(0, 312));
    EXPECT_EQ(Startmodul::d_ein, on);
}

TEST_F(ScheduleSheet, FieldsTakeDigitsInTheirFocusOrderAndTheIntervalIsClampedOnLeaving) {
    w5 &sheet = freshSheet();
    type(sheet.tagein[0], QStringLiteral("1a23"));
    EXPECT_EQ(sheet.tagein[0]->Text(), QStringLiteral("12"));
    type(sheet.tagoft, QStringLiteral("123456"));
    EXPECT_EQ(sheet.tagoft->Text(), QStringLiteral("1234"));

    sheet.tagein[0]->lineEdit()->setFocus();
    const EditField *order[] = {sheet.tagein[1], sheet.tagoft, sheet.tagaus[0], sheet.tagaus[1]};
    for (const EditField *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next->lineEdit());
    }

    const std::pair<const char *, const char *> cases[] = {{"0", "1"},       {"", "1"},
                                                           {"1001", "1000"}, {"9999", "1000"},
                                                           {"500", "500"},   {"0010", "0010"}};
    for (const auto &[typed, kept] : cases) {
        type(sheet.tagoft, QString::fromLatin1(typed));
        QTest::keyClick(sheet.tagoft->lineEdit(), Qt::Key_Tab);
        EXPECT_EQ(sheet.tagoft->Text(), QString::fromLatin1(kept)) << typed;
    }
}

TEST_F(ScheduleSheet, TheArchiveBoxFollowsTheHomePageChoice) {
    w5 &sheet = freshSheet();
    QCheckBox *box = sheet.protokol->box();
    EXPECT_TRUE(box->isChecked());
    EXPECT_FALSE(sheet.protokol->Enabled());

    click(sheet.RadioButton1[2]->button());  // home page
    EXPECT_TRUE(sheet.protokol->Enabled());
    click(box);
    EXPECT_FALSE(Startmodul::pr);

    // The mail choice starts the mail program every time it is chosen.
    click(sheet.RadioButton1[1]->button());
    click(sheet.RadioButton1[0]->button());
    click(sheet.RadioButton1[1]->button());
    EXPECT_EQ(scripts.lines(), QStringList({"173", "173"}));
    EXPECT_FALSE(sheet.protokol->Enabled());
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(Startmodul::pr);

    // A new sheet shows the box ticked while the cleared choice holds.
    click(sheet.Knopf1);  // "Starten"
    w5 &next = freshSheet();
    EXPECT_TRUE(next.protokol->Value());
    EXPECT_FALSE(Startmodul::pr);
}

bool hasFrame() { return w2::exists() && w2::instance().cam->GetPicture(32) != nullptr; }

TEST_F(ScheduleSheet, ZeitKeepsTheSheetAcrossNewCameraWindowsAndStartenStartsTheClock) {
    Startmodul::bildname = QStringLiteral("Testbild");
    Window1 &panel = Window1::instance();
    panel.gross = 1;
    w2::instance();
    ASSERT_TRUE(waitUntil(hasFrame));

    click(panel.Knopf2_1);  // "Zeit"
    w5 &sheet = w5::instance();
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.parentWidget(), &w2::instance());
    type(sheet.tagein[0], QStringLiteral("7"));
    click(sheet.Kalender_ein[0]->button());
    const DatePtr on = Startmodul::d_ein, off = Startmodul::d_aus;
    click(sheet.Knopf2);  // "Zurück"
    EXPECT_FALSE(sheet.isVisible());

    // "Größe" closes the camera window, "Schließen" brings a new one.
    const QPointer<w5> kept(&sheet);
    click(panel.Knopf1[0]);
    EXPECT_FALSE(w2::exists());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(kept);
    click(w3::instance().Knopf1);
    ASSERT_TRUE(waitUntil(hasFrame));
    click(panel.Knopf2_1);
    ASSERT_EQ(&w5::instance(), &sheet);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.parentWidget(), &w2::instance());
    EXPECT_EQ(sheet.tagein[0]->Text(), QStringLiteral("7"));
    EXPECT_EQ(sheet.Height(), 552);
    EXPECT_EQ(Startmodul::d_ein, on);
    EXPECT_EQ(Startmodul::d_aus, off);

    // The window system's close only hides it.
    sheet.close();
    EXPECT_TRUE(w5::exists());
    EXPECT_FALSE(sheet.isVisible());
    click(panel.Knopf2_1);

    // An interval of 0 not yet left starts a schedule of one minute.
    click(sheet.RadioButton1[2]->button());
    type(sheet.tagaus[0], QStringLiteral("99"));
    type(sheet.tagoft, QStringLiteral("0"));
    click(sheet.Knopf1);  // "Starten"
    using namespace Startmodul;
    EXPECT_EQ(std::vector<int>({t_ein_h, t_ein_m, t_aus_h, t_aus_m, t_oft, t_was, q}),
              std::vector<int>({7, 8, 99, 8, 1, 3, 0}));
    EXPECT_EQ(Startmodul::d_ein, on);
    EXPECT_EQ(Startmodul::d_aus, off);
    ASSERT_TRUE(Startmodul::po);
    EXPECT_TRUE(QDir(TestHome::path() + QStringLiteral("/Vidolin/Web 9_12_2026")).exists());
    EXPECT_FALSE(w5::exists());
    EXPECT_EQ(panel.t_timer->Mode(), 2);
    EXPECT_EQ(panel.PagePanel1->Value(), 2);
}

TEST_F(ScheduleSheet, StartenEndsARecordingMovieAsItsStopDoes) {
    Startmodul::bildname = QStringLiteral("Testbild");
    Startmodul::tonname = QStringLiteral("Testton");
    Window1 &panel = Window1::instance();
    panel.gross = 1;
    w2::instance();
    ASSERT_TRUE(waitUntil(hasFrame));

    // The sheet is modal to the camera window only: the panel's "Film" still works.
    click(panel.Knopf2_1);   // "Zeit"
    click(panel.Knopf3[0]);  // "Film"
    ASSERT_EQ(panel.PagePanel1->Value(), 1);
    const QString movie = Startmodul::f->path() + QStringLiteral("/Film%1").arg(panel.zz);
    CamCapture *cam = w2::instance().cam;
    const uint64_t recorded = cam->framesArrived() + 30;  // a second of movie
    ASSERT_TRUE(waitUntil([&] { return cam->framesArrived() >= recorded; }, 60000));
    scripts.clear();

    click(w5::instance().Knopf1);  // "Starten"
    EXPECT_EQ(scripts.lines(), (QStringList{QStringLiteral("170"), QStringLiteral("169")}));
    EXPECT_EQ(panel.PagePanel1->Value(), 2);
    EXPECT_EQ(panel.t_timer->Mode(), 2);
    ASSERT_TRUE(cam->WaitForMovies(30000));
    const qint64 size = QFileInfo(movie).size();
    runEvents(500);
    EXPECT_EQ(QFileInfo(movie).size(), size);
    const Discovered film = discover(movie);
    EXPECT_TRUE(film.ok);
    EXPECT_GT(film.seconds, 0.5);
}

}  // namespace
