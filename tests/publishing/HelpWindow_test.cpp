// The help window as a user meets it: "?" on the control panel opens it, the
// scroll bar and the mouse wheel move through the help, the close box ends it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include "capture/Window1.h"
#include "platform/Canvas.h"
#include "platform/Resources.h"
#include "platform/ScrollBar.h"
#include "platform/StaticText.h"
#include "publishing/hilfefenster.h"
#include "support/Gui.h"

namespace {

// True when the canvas shows the 462 × 600 pixels of the help picture whose
// top-left corner is (50, helpTop).
bool showsHelpFrom(hilfefenster &window, int helpTop) {
    const QImage shown = window.Canvas1->surfaceImage().convertToFormat(QImage::Format_RGB32);
    return shown == help()->image.copy(50, helpTop, 462, 600);
}

// One turn of the wheel (120 a notch, negative away from the user) over w.
void turnWheel(QWidget *w, int angle) {
    QWheelEvent event(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, angle),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

hilfefenster &pressQuestionMark() {
    Window1 &panel = Window1::instance();
    EXPECT_FALSE(panel.StaticText1->MouseDown(3, 3));  // the panel may still be dragged
    return hilfefenster::instance();
}

TEST(HelpWindow, OpensAtTheTopScrollsAndStartsAgainAfterItsCloseBox) {
    ASSERT_TRUE(help());
    EXPECT_FALSE(hilfefenster::exists());
    hilfefenster &window = pressQuestionMark();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Title(), QStringLiteral("Vidolin Hilfe "));
    EXPECT_EQ(QSize(window.Width(), window.Height()), QSize(499, 616));
    EXPECT_EQ(window.Canvas1->geometry(), QRect(8, 7, 462, 600));
    EXPECT_EQ(window.ScrollBar1->geometry(), QRect(476, 7, 16, 600));
    const QScrollBar *bar = window.ScrollBar1->bar();
    EXPECT_EQ(bar->maximum(), 1200);
    EXPECT_EQ(bar->pageStep(), 600);
    EXPECT_EQ(bar->focusPolicy(), Qt::NoFocus);

    EXPECT_TRUE(showsHelpFrom(window, 100));
    window.ScrollBar1->setValue(1200);
    EXPECT_TRUE(showsHelpFrom(window, 1300));

    // A later paint shows the band of the bar's value, not the top.
    window.ScrollBar1->setValue(600);
    window.Canvas1->Refresh(true);
    EXPECT_TRUE(showsHelpFrom(window, 700));

    // A second "?" brings the same window forward where it was.
    EXPECT_EQ(&pressQuestionMark(), &window);
    EXPECT_EQ(window.ScrollBar1->Value(), 600);

    window.close();  // the close box
    EXPECT_FALSE(hilfefenster::exists());
    runEvents(20);
    hilfefenster &fresh = pressQuestionMark();
    EXPECT_EQ(fresh.ScrollBar1->Value(), 0);
    EXPECT_TRUE(showsHelpFrom(fresh, 100));
}

TEST(HelpWindow, TheWheelMovesTheHelpSixtyPixelsANotch) {
    hilfefenster &window = hilfefenster::instance();
    window.ScrollBar1->setValue(600);
    turnWheel(window.Canvas1, -120);  // one notch down over the help
    EXPECT_EQ(window.ScrollBar1->Value(), 660);
    EXPECT_TRUE(showsHelpFrom(window, 760));
    turnWheel(window.ScrollBar1->bar(), 240);  // two up over the bar
    EXPECT_EQ(window.ScrollBar1->Value(), 540);
    // A touchpad's small steps add up; the ends hold.
    for (int i = 0; i < 4; ++i) turnWheel(window.Canvas1, -30);
    EXPECT_EQ(window.ScrollBar1->Value(), 600);
    turnWheel(window.Canvas1, 120 * 20);
    EXPECT_EQ(window.ScrollBar1->Value(), 0);
}

}  // namespace
