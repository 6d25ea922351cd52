#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>
#include <csignal>
#include <memory>

#include "platform/CamCapture.h"
#include "support/Discoverer.h"
#include "support/Gui.h"

namespace {

struct OpenCamera {
    explicit OpenCamera(QSize size) : window(std::make_unique<QWidget>()) {
        cam = new CamCapture(window.get());
        cam->resize(size);
        window->show();
        cam->MovieFailed = [this] { ++failures; };
    }
    std::unique_ptr<QWidget> window;
    CamCapture *cam;
    int failures = 0;
};

// Files of this process may grow to the limit and no further, as on a disk
// that fills up; a write beyond it fails instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        if (active_) setrlimit(RLIMIT_FSIZE, &old_);
    }
    bool active() const { return active_; }

private:
    rlimit old_{};
    bool active_ = false;
};

}  // namespace

TEST(CameraMovieEndTest, AMovieIntoAFolderThatCannotBeWrittenIsReported) {
    QTemporaryDir dir;
    OpenCamera c({320, 240});
    ASSERT_TRUE(c.cam->OpenCam("Testbild", "Testton"));
    c.cam->Record(dir.filePath("missing/Film1"));
    EXPECT_FALSE(c.cam->isRecording());
    EXPECT_EQ(c.failures, 0) << "reported from the event loop, after Record returned";
    EXPECT_TRUE(waitUntil([&] { return c.failures == 1; }));
    EXPECT_FALSE(c.cam->isSoundOpen());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing/Film1")));
}

TEST(CameraMovieEndTest, AMovieOnAFullDiskEndsWithWhatWasWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Film1");
    OpenCamera c({640, 480});
    ASSERT_TRUE(c.cam->OpenCam("Testbild", "Testton"));
    {
        FileSizeLimit limit(rlim_t{120} * 1024);
        if (!limit.active()) GTEST_SKIP() << "no file size limit can be set here";
        c.cam->Record(path);
        ASSERT_TRUE(c.cam->isRecording());
        ASSERT_TRUE(waitUntil([&] { return c.failures == 1; }, 60000));
        EXPECT_FALSE(c.cam->isRecording());
        ASSERT_TRUE(c.cam->WaitForMovies(30000));
    }
    EXPECT_FALSE(c.cam->isSoundOpen());
    // The picture goes on.
    const uint64_t arrived = c.cam->framesArrived();
    EXPECT_TRUE(waitUntil([&] { return c.cam->framesArrived() > arrived + 2; }));

    const Discovered movie = discover(path);
    ASSERT_TRUE(movie.ok);
    const std::vector<double> times = pictureTimes(path);
    ASSERT_GE(times.size(), 2u);
    EXPECT_LE(QFileInfo(path).size(), 120 * 1024);
    EXPECT_NEAR(movie.seconds, times.back() + 1 / 30.0, 0.15)
        << "the movie plays with the length of what it holds";
}
