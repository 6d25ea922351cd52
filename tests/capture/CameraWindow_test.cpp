#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "capture/Startmodul.h"
#include "capture/Window1.h"
#include "capture/w2.h"
#include "platform/CamCapture.h"
#include "platform/PagePanel.h"
#include "platform/Screen.h"
#include "platform/Timer.h"
#include "support/Gui.h"
#include "support/ScriptLog.h"

namespace {

class CameraWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Startmodul::bildname = QStringLiteral("Testbild");
        Startmodul::tonname = QString();
    }
    void TearDown() override {
        if (w2::exists()) w2::instance().Close();
        runEvents(50);
    }
    ScriptLog scripts;  // no real mixer is touched
};

TEST_F(CameraWindowTest, EverySizeCodeGivesPictureAndWindowSizes) {
    const QSize pictures[] = {{320, 240}, {640, 480}, {960, 720}, {1280, 960}, {1280, 1024}};
    for (int code = 1; code <= 5; ++code) {
        Window1::instance().gross = code;
        w2 &camera = w2::instance();
        ASSERT_TRUE(waitUntil([&] { return camera.cam->GetPicture(32) != nullptr; }));
        const QSize picture = pictures[code - 1];
        EXPECT_EQ(camera.cam->size(), picture) << code;
        EXPECT_EQ(camera.cam->pos(), QPoint(5, 5));
        EXPECT_EQ(QSize(camera.Width(), camera.Height()), picture + QSize(10, 10)) << code;
        EXPECT_EQ(camera.cam->GetPicture(32)->image.size(), picture) << code;
        camera.Close();
        EXPECT_FALSE(w2::exists());
        runEvents(20);
    }
}

TEST_F(CameraWindowTest, AnInvalidSizeCodeKeepsTheLayoutSizes) {
    Window1::instance().gross = 9;
    w2 &camera = w2::instance();
    EXPECT_EQ(camera.cam->size(), QSize(720, 576));
    EXPECT_EQ(QSize(camera.Width(), camera.Height()), QSize(1290, 1034));
}

TEST_F(CameraWindowTest, ThePanelDocksBesideTheWindowButStaysOnTheScreen) {
    Window1::instance().gross = 1;
    w2 &camera = w2::instance();
    Window1 &panel = Window1::instance();
    runEvents(100);  // shown on screen
    camera.setLeft(20);
    camera.setTop(30);
    camera.content()->repaint();
    EXPECT_EQ(panel.Left(), camera.Left() + 330 + 10);
    EXPECT_EQ(panel.Top(), camera.Top());
    EXPECT_TRUE(panel.isVisible());

    // Near the right edge only the panel's right edge is held on the screen.
    camera.setLeft(Screen(0).Width - 350);
    camera.content()->repaint();
    EXPECT_EQ(panel.Left(), Screen(0).Width - panel.Width());
    EXPECT_EQ(panel.Top(), camera.Top());
}

TEST_F(CameraWindowTest, AClosedCameraWindowIsBuiltAnewOnUse) {
    Window1::instance().gross = 2;
    w2 *first = &w2::instance();
    first->Close();
    w2 *second = &w2::instance();
    EXPECT_NE(first, second);
    EXPECT_TRUE(second->cam->isOpen());
    EXPECT_TRUE(waitUntil([&] { return second->cam->GetPicture(32) != nullptr; }));
}

}  // namespace

TEST_F(CameraWindowTest, WhileHiddenThePictureRestsAndAPictureIsStillFresh) {
    Window1::instance().gross = 1;
    w2 &camera = w2::instance();
    CamCapture &cam = *camera.cam;
    ASSERT_TRUE(waitUntil([&] { return cam.GetPicture(32) != nullptr; }));
    camera.setVisible_(false);
    EXPECT_EQ(camera.runner->Mode(), 0);
    EXPECT_TRUE(cam.isAsleep());
    const uint64_t asleep = cam.framesArrived();
    runEvents(200);
    EXPECT_EQ(cam.framesArrived(), asleep) << "no frames while resting";

    // A picture taken meanwhile (a schedule's) is a frame that arrived for it.
    PicturePtr picture = cam.GetPicture(32);
    ASSERT_TRUE(picture);
    EXPECT_GT(cam.framesArrived(), asleep);
    EXPECT_TRUE(cam.isAsleep()) << "back to rest after the picture";

    // A movie started while hidden records; its end lets the camera rest again.
    QTemporaryDir dir;
    cam.Record(dir.filePath("Film1"));
    EXPECT_FALSE(cam.isAsleep());
    const uint64_t recording = cam.framesArrived();
    EXPECT_TRUE(waitUntil([&] { return cam.framesArrived() > recording + 5; }));
    cam.StopRecord();
    EXPECT_TRUE(waitUntil([&] { return cam.isAsleep(); }));

    camera.setVisible_(true);
    EXPECT_EQ(camera.runner->Mode(), 2);
    EXPECT_FALSE(cam.isAsleep());
    const uint64_t shown = cam.framesShown();
    EXPECT_TRUE(waitUntil([&] { return cam.framesShown() > shown + 2; })) << "live again";
}

TEST_F(CameraWindowTest, AMovieThatCannotBeWrittenTurnsThePanelBackToItsButtons) {
    Startmodul::f = FolderItem::at(QStringLiteral("/nonexistent-vidolin/Kameraordner"));
    Window1 &panel = Window1::instance();
    w2::instance();
    panel.Knopf3_Action(0);  // "Film"
    EXPECT_EQ(panel.PagePanel1->Value(), 1);
    ASSERT_TRUE(waitUntil([&] { return panel.PagePanel1->Value() == 0; }));
    EXPECT_EQ(scripts.lines(), (QStringList{"168", "171", "170", "169"}))
        << "sound and microphone back as after Stop";
    EXPECT_FALSE(w2::instance().cam->isRecording());
    Startmodul::f = nullptr;
}
