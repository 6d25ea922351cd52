#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSlider>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

#include "platform/CamCapture.h"
#include "platform/camera/CameraFraming.h"
#include "platform/camera/InputList.h"
#include "support/Discoverer.h"
#include "support/Gui.h"

namespace {

// Keeps the picture going, as the camera window's timer does, for a while.
void runFor(CamCapture &cam, int ms) {
    waitUntil(
        [&] {
            cam.Reload();
            return false;
        },
        ms);
}

// Keeps the picture going until the camera has delivered n more frames; the
// limit only keeps a broken pipeline from hanging the test.
void runFrames(CamCapture &cam, uint64_t n) {
    const uint64_t until = cam.framesArrived() + n;
    EXPECT_TRUE(waitUntil(
        [&] {
            cam.Reload();
            return cam.framesArrived() >= until;
        },
        60000));
}

// The finished movie holds the frames it kept, stamped from its start
// within the span of the frames the camera offered, and knows its length.
void expectKeptFrames(const QString &path, const CamCapture &cam) {
    const uint64_t offered = cam.movieFramesOffered(), kept = cam.movieFramesKept();
    const std::vector<double> times = pictureTimes(path);
    EXPECT_GT(kept, 0u);
    EXPECT_LE(kept, offered);
    EXPECT_EQ(times.size(), kept) << "every kept frame is in the file";
    ASSERT_FALSE(times.empty());
    EXPECT_LT(times.front(), 0.1) << "the movie's time starts at zero";
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));
    EXPECT_LE(times.back(), offered / 30.0 + 0.05);
    EXPECT_NEAR(discover(path).seconds, times.back() + 1 / 30.0, 0.15)
        << "the file knows its true length";
}

double meanBrightness(const QImage &img) {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < img.height(); y += 7)
        for (int x = 0; x < img.width(); x += 7, ++n) sum += qGray(img.pixel(x, y));
    return n ? sum / n : 0;
}

// A control on a shown window of its own, sized as the camera window sizes it.
struct OpenCamera {
    explicit OpenCamera(QSize size) : window(std::make_unique<QWidget>()) {
        cam = new CamCapture(window.get());
        cam->move(5, 5);
        cam->resize(size);
        window->resize(size + QSize(10, 10));
        window->show();
    }
    std::unique_ptr<QWidget> window;
    CamCapture *cam;
};

PicturePtr waitForPicture(CamCapture &cam) {
    PicturePtr pic;
    waitUntil([&] { return (pic = cam.GetPicture(32)) != nullptr; });
    return pic;
}

}  // namespace

TEST(CameraFramingTest, CropKeepsTheTargetProportionsCentred) {
    // Wide camera, 4:3 picture: the sides go.
    EXPECT_EQ(CameraFraming::cropFor({1920, 1080}, 1, 1, {640, 480}), QRect(240, 0, 1440, 1080));
    // 4:3 camera, 5:4 picture: a little of the sides.
    EXPECT_EQ(CameraFraming::cropFor({640, 480}, 1, 1, {1280, 1024}), QRect(20, 0, 600, 480));
    // Tall camera: top and bottom go.
    EXPECT_EQ(CameraFraming::cropFor({640, 640}, 1, 1, {640, 480}), QRect(0, 80, 640, 480));
    // Same proportions: everything stays.
    EXPECT_EQ(CameraFraming::cropFor({1280, 960}, 1, 1, {320, 240}), QRect(0, 0, 1280, 960));
    // Non-square pixels count: PAL 720x576 at 16:15 shows as 4:3.
    EXPECT_EQ(CameraFraming::cropFor({720, 576}, 16, 15, {960, 720}), QRect(0, 0, 720, 576));
}

TEST(CameraFramingTest, ChoosesTheCheapestFluidModeAtLeastAsLargeAsThePicture) {
    const std::vector<CameraMode> modes = {
        {"video/x-raw", 320, 240, 30},  {"video/x-raw", 640, 480, 30},
        {"video/x-raw", 1280, 720, 10}, {"image/jpeg", 1280, 720, 30},
        {"image/jpeg", 1920, 1080, 30}, {"video/x-raw", 640, 480, 30},
    };
    EXPECT_EQ(CameraFraming::chooseMode(modes, {320, 240}), 0);
    EXPECT_EQ(CameraFraming::chooseMode(modes, {640, 480}), 1);  // first of two equals
    // Raw 1280x720 covers 960x720 but only at 10 fps: the fluid JPEG mode wins.
    EXPECT_EQ(CameraFraming::chooseMode(modes, {960, 720}), 3);
    // 1280x720 is not high enough for 1280x960.
    EXPECT_EQ(CameraFraming::chooseMode(modes, {1280, 960}), 4);
    // Nothing large enough: the largest fluid mode.
    EXPECT_EQ(CameraFraming::chooseMode(modes, {2560, 1920}), 4);
    EXPECT_EQ(CameraFraming::chooseMode({}, {640, 480}), -1);
    EXPECT_EQ(CameraFraming::chooseMode({{"image/jpeg", 0, 0, 30}}, {640, 480}), -1);
}

TEST(CamCaptureTest, ListsTheTestPictureLastAndTheTestToneFirst) {
    CamCapture cam;
    const int videos = cam.VideoCount(), sounds = cam.SoundCount();
    ASSERT_GE(videos, 1);
    ASSERT_GE(sounds, 1);
    EXPECT_EQ(cam.VideoName(videos - 1), "Testbild");
    EXPECT_EQ(cam.SoundName(0), "Testton");
    if (QDir("/dev").entryList({"video*"}, QDir::System).isEmpty()) {
        EXPECT_EQ(videos, 1) << "no camera on this machine: the test picture alone";
    }
    EXPECT_EQ(cam.VideoName(videos), "");
    EXPECT_EQ(cam.VideoName(-1), "");
    EXPECT_EQ(cam.SoundName(sounds), "");

    // Unique names, and the same ones in the same order on another control.
    CamCapture other;
    ASSERT_EQ(other.VideoCount(), videos);
    ASSERT_EQ(other.SoundCount(), sounds);
    QSet<QString> seen;
    for (int i = 0; i < videos; ++i) {
        EXPECT_EQ(other.VideoName(i), cam.VideoName(i));
        seen.insert(cam.VideoName(i));
    }
    EXPECT_EQ(seen.size(), videos);
    seen.clear();
    for (int i = 0; i < sounds; ++i) {
        EXPECT_EQ(other.SoundName(i), cam.SoundName(i));
        seen.insert(cam.SoundName(i));
    }
    EXPECT_EQ(seen.size(), sounds);
    EXPECT_FALSE(cam.isOpen()) << "listing opens nothing";
}

TEST(CamCaptureTest, SoundListPutsTheDefaultMicrophoneSecond) {
    // As a PulseAudio machine with a webcam microphone reports its inputs.
    std::vector<FoundDevice> found = {
        {"USB Camera Analog Stereo", false, "card=2", nullptr},
        {"Built-in Audio Analog Stereo", true, "card=0", nullptr},
        {"  ", false, "card=3", nullptr},
        {"USB Camera Analog Stereo", false, "card=1", nullptr},
    };
    std::vector<Input> sounds = arrangeInputs(found, "Testton", BuiltInPlace::First);
    std::vector<QString> names;
    names.reserve(sounds.size());
    for (const Input &in : sounds) names.push_back(in.name);
    EXPECT_EQ(names,
              (std::vector<QString>{"Testton", "Built-in Audio Analog Stereo", "Eingang",
                                    "USB Camera Analog Stereo", "USB Camera Analog Stereo (2)"}));
    // Pictures: the devices first, the test picture last.
    std::vector<Input> videos =
        arrangeInputs({{"Cam", false, "", nullptr}}, "Testbild", BuiltInPlace::Last);
    ASSERT_EQ(videos.size(), 2u);
    EXPECT_EQ(videos[1].name, "Testbild");
}

TEST(CamCaptureTest, ShowsLiveFramesOfExactlyTheControlsSize) {
    const QSize sizes[] = {{320, 240}, {640, 480}, {960, 720}, {1280, 960}, {1280, 1024}};
    for (const QSize size : sizes) {
        SCOPED_TRACE(QString("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        OpenCamera c(size);
        ASSERT_TRUE(c.cam->OpenCam("Testbild", ""));
        PicturePtr first = waitForPicture(*c.cam);
        ASSERT_TRUE(first);
        EXPECT_EQ(first->image.size(), size);
        EXPECT_EQ(first->image.format(), QImage::Format_RGB32);
        // Every pixel opaque (0xffRRGGBB), as the picture format promises.
        bool opaque = true;
        for (int y = 0; y < size.height() && opaque; y += 13)
            for (int x = 0; x < size.width(); x += 13)
                opaque = opaque && qAlpha(first->image.pixel(x, y)) == 255;
        EXPECT_TRUE(opaque);

        // The picture is painted and moves on.
        const uint64_t arrived = c.cam->framesArrived();
        ASSERT_TRUE(waitUntil([&] {
            c.cam->Reload();
            return c.cam->framesArrived() >= arrived + 3 && c.cam->framesShown() >= 2;
        }));
        PicturePtr later = c.cam->GetPicture(32);
        ASSERT_TRUE(later);
        EXPECT_NE(later->image, first->image) << "the test picture moves";
        EXPECT_NE(later.get(), first.get());
    }
}

TEST(CamCaptureTest, OpensOnlyKnownInputsAndGivesNoPictureWithoutAFrame) {
    OpenCamera c({320, 240});
    CamCapture &cam = *c.cam;
    EXPECT_EQ(cam.GetPicture(32), nullptr) << "never opened";
    cam.CloseCam();  // harmless when never opened
    cam.StopRecord();

    EXPECT_FALSE(cam.OpenCam("Keine Kamera", "Testton"));
    EXPECT_FALSE(cam.OpenCam("", ""));
    EXPECT_FALSE(cam.isOpen());
    EXPECT_EQ(cam.GetPicture(32), nullptr);

    // An unknown sound still gives the picture.
    ASSERT_TRUE(cam.OpenCam("Testbild", "Kein Mikrofon"));
    EXPECT_TRUE(cam.isOpen());
    ASSERT_TRUE(waitForPicture(cam));

    // A movie that cannot be written is no recording, and the picture goes on.
    cam.Record("/nonexistent-folder/Film1");
    EXPECT_FALSE(cam.isRecording());
    const uint64_t before = cam.framesArrived();
    EXPECT_TRUE(waitUntil([&] { return cam.framesArrived() > before + 3; }));
    EXPECT_TRUE(cam.isOpen());

    // Closing releases the inputs but leaves the last picture; twice is harmless.
    cam.CloseCam();
    cam.CloseCam();
    EXPECT_FALSE(cam.isOpen());
    PicturePtr last = cam.GetPicture(32);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->image.size(), QSize(320, 240));
    // And the inputs open again.
    ASSERT_TRUE(cam.OpenCam("Testbild", "Testton"));
    const uint64_t arrived = cam.framesArrived();
    EXPECT_TRUE(waitUntil([&] { return cam.framesArrived() > arrived; }));
}

TEST(CamCaptureTest, RecordsAWebmMovieWhileThePictureGoesOn) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Film1");
    OpenCamera c({640, 480});
    CamCapture &cam = *c.cam;
    cam.Record(path);  // nothing open: no file
    EXPECT_FALSE(QFileInfo::exists(path));

    ASSERT_TRUE(cam.OpenCam("Testbild", "Testton"));
    ASSERT_TRUE(waitForPicture(cam));
    runFor(cam, 500);
    cam.StopRecord();  // without a recording: harmless

    EXPECT_FALSE(cam.isSoundOpen()) << "the microphone opens only for a movie";
    cam.Record(FolderItem::at(path));
    ASSERT_TRUE(cam.isRecording());
    EXPECT_TRUE(cam.isSoundOpen());
    uint64_t before = cam.framesArrived();
    const uint64_t shownBefore = cam.framesShown();
    runFrames(cam, 60);
    EXPECT_GT(cam.framesShown(), shownBefore + 10) << "the picture goes on while recording";
    cam.StopRecord();
    EXPECT_FALSE(cam.isRecording());
    cam.StopRecord();  // twice: harmless
    ASSERT_TRUE(cam.WaitForMovies(30000));
    EXPECT_FALSE(cam.isSoundOpen());

    before = cam.framesArrived();
    EXPECT_TRUE(waitUntil([&] { return cam.framesArrived() > before + 3; }))
        << "the picture goes on after the recording";

    const Discovered movie = discover(path);
    ASSERT_TRUE(movie.ok);
    EXPECT_EQ(movie.container, "WebM");
    EXPECT_EQ(movie.video, "VP8");
    EXPECT_EQ(movie.width, 640);
    EXPECT_EQ(movie.height, 480);
    EXPECT_EQ(movie.audio, "Opus");
    // The picture ran for a while before; the movie's time still starts at zero.
    expectKeptFrames(path, cam);

    // A second movie from the same camera, without sound this time.
    ASSERT_TRUE(cam.OpenCam("Testbild", ""));
    const QString second = dir.filePath("Film2");
    cam.Record(second);
    EXPECT_FALSE(cam.isSoundOpen());
    runFrames(cam, 30);
    cam.StopRecord();
    ASSERT_TRUE(cam.WaitForMovies(30000));
    const Discovered silent = discover(second);
    ASSERT_TRUE(silent.ok);
    EXPECT_EQ(silent.video, "VP8");
    EXPECT_EQ(silent.audio, "");
    expectKeptFrames(second, cam);
}

TEST(CamCaptureTest, ClosingOrDestroyingTheControlFinishesTheMovie) {
    QTemporaryDir dir;
    {
        OpenCamera c({320, 240});
        ASSERT_TRUE(c.cam->OpenCam("Testbild", "Testton"));
        c.cam->Record(dir.filePath("closed"));
        runFrames(*c.cam, 45);
        c.cam->CloseCam();
        EXPECT_FALSE(c.cam->isRecording());
        EXPECT_FALSE(c.cam->isSoundOpen());
        expectKeptFrames(dir.filePath("closed"), *c.cam);
    }
    {
        OpenCamera c({320, 240});
        ASSERT_TRUE(c.cam->OpenCam("Testbild", "Testton"));
        c.cam->Record(dir.filePath("stopped"));
        runFrames(*c.cam, 45);
        c.cam->StopRecord();
    }  // the window and its control go while the movie is being finished
    {
        OpenCamera c({320, 240});
        ASSERT_TRUE(c.cam->OpenCam("Testbild", "Testton"));
        c.cam->Record(dir.filePath("destroyed"));
        runFrames(*c.cam, 45);
    }  // the window and its control go while the movie records
    for (const char *name : {"closed", "stopped", "destroyed"}) {
        SCOPED_TRACE(name);
        const Discovered movie = discover(dir.filePath(name));
        ASSERT_TRUE(movie.ok);
        EXPECT_EQ(movie.container, "WebM");
        EXPECT_EQ(movie.audio, "Opus");
        const std::vector<double> times = pictureTimes(dir.filePath(name));
        ASSERT_GE(times.size(), 2u);
        EXPECT_NEAR(movie.seconds, times.back() + 1 / 30.0, 0.15)
            << "a finished file knows its duration";
    }
}

TEST(CamCaptureTest, SettingsDialogsApplyLiveAndComeBackToTheFront) {
    OpenCamera c({320, 240});
    CamCapture &cam = *c.cam;
    ASSERT_TRUE(cam.OpenCam("Testbild", "Testton"));
    PicturePtr before = waitForPicture(cam);
    ASSERT_TRUE(before);

    cam.VideoConfig();
    cam.VideoConfig();
    auto dialogs = cam.findChildren<QDialog *>();
    ASSERT_EQ(dialogs.size(), 1) << "opening again shows the same dialog";
    QDialog *picture = dialogs.first();
    EXPECT_EQ(picture->windowTitle(), "Bild");
    EXPECT_TRUE(picture->isVisible());
    EXPECT_FALSE(picture->isModal());
    for (const char *name : {"Helligkeit", "Kontrast", "Sättigung", "Farbton"}) {
        auto *slider = picture->findChild<QSlider *>(QString::fromUtf8(name));
        ASSERT_TRUE(slider) << name;
        EXPECT_TRUE(slider->isEnabled()) << name;
    }
    // Full brightness shows at once in the live picture.
    QSlider *brightness = picture->findChild<QSlider *>("Helligkeit");
    brightness->setValue(brightness->maximum());
    const uint64_t arrived = cam.framesArrived();
    ASSERT_TRUE(waitUntil([&] { return cam.framesArrived() > arrived + 2; }));
    PicturePtr after = cam.GetPicture(32);
    ASSERT_TRUE(after);
    EXPECT_GT(meanBrightness(after->image), meanBrightness(before->image) + 50);

    cam.AudioConfig();
    cam.AudioConfig();
    dialogs = cam.findChildren<QDialog *>();
    ASSERT_EQ(dialogs.size(), 2);
    QDialog *sound = dialogs.first() == picture ? dialogs.last() : dialogs.first();
    EXPECT_EQ(sound->windowTitle(), "Ton");
    ASSERT_TRUE(sound->findChild<QSlider *>("Lautstärke"));
    auto *mute = sound->findChild<QCheckBox *>();
    ASSERT_TRUE(mute);
    EXPECT_EQ(mute->text(), "Stumm");
    mute->setChecked(true);

    // Closing the camera takes the picture dialog (its settings belong to that camera).
    cam.CloseCam();
    EXPECT_EQ(cam.findChildren<QDialog *>().size(), 1);
    cam.VideoConfig();  // without a camera: shown, nothing to change
    QDialog *idle = nullptr;
    for (QDialog *dlg : cam.findChildren<QDialog *>())
        if (dlg->windowTitle() == "Bild") idle = dlg;
    ASSERT_TRUE(idle);
    EXPECT_FALSE(idle->findChild<QSlider *>("Helligkeit")->isEnabled());

    // Opened anew, the sound dialog shows the level chosen before (29 is
    // stored as 0.29, which times 100 falls just below 29).
    sound->findChild<QSlider *>("Lautstärke")->setValue(29);
    delete sound;
    cam.AudioConfig();
    QSlider *level = nullptr;
    for (QDialog *dlg : cam.findChildren<QDialog *>())
        if (dlg->windowTitle() == "Ton") level = dlg->findChild<QSlider *>("Lautstärke");
    ASSERT_TRUE(level);
    EXPECT_EQ(level->value(), 29);
}
