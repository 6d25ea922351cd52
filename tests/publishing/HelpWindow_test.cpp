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

// True when the canvas shows the help picture's 462 × 600 pixels from (50, top).
bool showsHelpFrom(hilfefenster &window, int top) {
    const QImage shown = window.Canvas1->surfaceImage().convertToFormat(QImage::Format_RGB32);
    return shown == help()->image.copy(50, top, 462, 600);
}

// A turn of the wheel over w: 120 a notch, negative toward the user.
void turnWheel(QWidget *w, int angle) {
    QWheelEvent event(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, angle),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

hilfefenster &pressQuestionMark() {
    Window1::instance().StaticText1->MouseDown(3, 3);
    return hilfefenster::instance();
}

TEST(HelpWindow, ScrollsThroughTheHelpAndStartsAtTheTopAfterItsCloseBox) {
    ASSERT_TRUE(help());
    hilfefenster &window = pressQuestionMark();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(showsHelpFrom(window, 100));
    window.ScrollBar1->setValue(1200);
    EXPECT_TRUE(showsHelpFrom(window, 1300));
    // A later paint shows the band of the bar's value, not the top.
    window.ScrollBar1->setValue(600);
    window.Canvas1->Refresh(true);
    EXPECT_TRUE(showsHelpFrom(window, 700));

    // 60 pixels a wheel notch, over the help or the bar; a touchpad's small
    // steps add up, and the ends hold.
    turnWheel(window.Canvas1, -120);
    EXPECT_TRUE(showsHelpFrom(window, 760));
    turnWheel(window.ScrollBar1->bar(), 240);
    EXPECT_EQ(window.ScrollBar1->Value(), 540);
    for (int i = 0; i < 4; ++i) turnWheel(window.Canvas1, -30);
    EXPECT_EQ(window.ScrollBar1->Value(), 600);
    turnWheel(window.Canvas1, 120 * 20);
    EXPECT_EQ(window.ScrollBar1->Value(), 0);

    // A second "?" keeps the window where it was; after the close box the
    // next one starts at the top.
    window.ScrollBar1->setValue(600);
    EXPECT_EQ(&pressQuestionMark(), &window);
    EXPECT_EQ(window.ScrollBar1->Value(), 600);
    window.close();
    EXPECT_FALSE(hilfefenster::exists());
    runEvents(20);
    EXPECT_TRUE(showsHelpFrom(pressQuestionMark(), 100));
}

}  // namespace
