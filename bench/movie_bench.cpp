// Camera figures that users feel, each measured against its own reference in
// the same run, "Testbild" at 30 frames/s:
//   kept          movie frames in the file / frames the camera delivered while
//                 it recorded, at 1280x1024, idle and with busy loops on all
//                 cores but two
//   memory        growth of the process while recording under load
//   Stop          time until the main thread answers again after StopRecord
//   hidden        CPU use while the camera window hides, in % of one core,
//                 against the same window shown
//   wake          time from showing the window again to the first live frame
//   open          time from opening the inputs to the first live frame
//   foto          picture, stamp and JPEG file against a bare JPEG encode of
//                 the same frame (QImageWriter, quality 90)
// Run it under a display, e.g. xvfb-run (see run-benchmarks.sh).

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <gst/gst.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/BenchClock.h"
#include "capture/Bildtext.h"
#include "platform/CamCapture.h"
#include "platform/FolderItem.h"
#include "platform/Timer.h"

namespace {

double residentMB() {
    QFile f("/proc/self/statm");
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * sysconf(_SC_PAGESIZE) / 1e6 : 0;
}

// Pictures in a movie file, as its demuxer reads them.
int framesInFile(const QString &path) {
    int frames = 0;
    const QByteArray description = "filesrc location=\"" + path.toUtf8() +
                                   "\" ! matroskademux name=d d.video_0 ! fakesink name=s";
    GstElement *pipeline = gst_parse_launch(description.constData(), nullptr);
    if (!pipeline) return 0;
    GstElement *sink = gst_bin_get_by_name(GST_BIN(pipeline), "s");
    GstPad *pad = gst_element_get_static_pad(sink, "sink");
    gst_pad_add_probe(
        pad, GST_PAD_PROBE_TYPE_BUFFER,
        [](GstPad *, GstPadProbeInfo *, gpointer n) {
            ++*static_cast<int *>(n);
            return GST_PAD_PROBE_OK;
        },
        &frames, nullptr);
    gst_object_unref(pad);
    gst_object_unref(sink);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus *bus = gst_element_get_bus(pipeline);
    if (GstMessage *m = gst_bus_timed_pop_filtered(
            bus, 60 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR)))
        gst_message_unref(m);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return frames;
}

// Busy loops in child processes, on all cores but two.
class BusyLoad {
public:
    explicit BusyLoad(int processes) {
        for (int i = 0; i < processes; ++i) {
            const pid_t pid = fork();
            if (pid == 0) {
                volatile unsigned long spin = 0;
                for (;;) ++spin;
            }
            if (pid > 0) pids_.push_back(pid);
        }
    }
    ~BusyLoad() {
        for (pid_t pid : pids_) kill(pid, SIGKILL);
        for (pid_t pid : pids_) waitpid(pid, nullptr, 0);
    }

private:
    std::vector<pid_t> pids_;
};

// The camera window as the program builds it: the control at (5, 5) and a
// timer of period 0 that refreshes the picture.
struct CameraWindow {
    explicit CameraWindow(QSize size) : runner(&window, 0, 2) {
        window.resize(size + QSize(10, 10));
        cam = new CamCapture(&window);
        cam->setGeometry(5, 5, size.width(), size.height());
        runner.Action = [this] { cam->Reload(); };
        window.show();
    }
    // What the camera window does when the program hides and comes back.
    void rest(bool resting) {
        window.setVisible(!resting);
        runner.setMode(resting ? 0 : 2);
        cam->setAsleep(resting);
    }
    QWidget window;
    CamCapture *cam = nullptr;
    Timer runner;
};

struct Movie {
    double kept = 0, stopMs = 0, memoryMB = 0;
};

Movie recordMovie(CamCapture &cam, const QString &path, int ms) {
    Movie m;
    const double rss = residentMB();
    cam.Record(path);
    const uint64_t before = cam.framesArrived();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        runEventLoop(100);
        m.memoryMB = std::max(m.memoryMB, residentMB() - rss);
    }
    const uint64_t arrived = cam.framesArrived() - before;
    // Until the main thread runs the next event: the panel answers again.
    QElapsedTimer stop;
    stop.start();
    cam.StopRecord();
    QCoreApplication::processEvents();
    m.stopMs = stop.nsecsElapsed() / 1e6;
    cam.WaitForMovies(60000);
    m.kept = arrived ? double(framesInFile(path)) / arrived : 0;
    return m;
}

double cpuPercent(int ms) {
    const double c0 = cpuSeconds();
    QElapsedTimer t;
    t.start();
    runEventLoop(ms);
    return 100 * (cpuSeconds() - c0) / (t.nsecsElapsed() / 1e9);
}

double msUntil(const std::function<bool()> &done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    return t.nsecsElapsed() / 1e6;
}

// Mean times of the picture procedure (picture, stamp, JPEG file) and of a
// bare encode of the same frame, taken in turns.
struct Foto {
    double get = 0, stamp = 0, save = 0, bare = 0;
    double total() const { return get + stamp + save; }
};

Foto fotoAgainstEncode(CamCapture &cam, const QString &dir) {
    const QImage frame = cam.GetPicture(32)->image;
    // A running program has drawn text and written pictures before: the first
    // of each, which loads fonts and codecs, is not counted.
    FolderItem::at(dir + "/warm.jpg")->SaveAsJPEG(Module1::Bildtext(cam.GetPicture(32)));
    Foto f;
    const int rounds = 30;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        PicturePtr p = cam.GetPicture(32);
        f.get += t.nsecsElapsed() / 1e6;
        t.restart();
        p = Module1::Bildtext(p);
        f.stamp += t.nsecsElapsed() / 1e6;
        t.restart();
        FolderItem::at(dir + QString("/Bild%1.jpg").arg(i))->SaveAsJPEG(p);
        f.save += t.nsecsElapsed() / 1e6;
        p.reset();
        t.restart();
        QImageWriter writer(dir + QString("/bare%1.jpg").arg(i), "jpeg");
        writer.setQuality(90);
        writer.write(frame);
        f.bare += t.nsecsElapsed() / 1e6;
        runEventLoop(20);
    }
    f.get /= rounds, f.stamp /= rounds, f.save /= rounds, f.bare /= rounds;
    return f;
}

}  // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QSize size(1280, 1024);
    const int busy = std::max(1, QThread::idealThreadCount() - 2);
    std::printf("Camera, \"Testbild\" at 30 frames/s, %dx%d, %d cores, load: %d busy loops\n",
                size.width(), size.height(), QThread::idealThreadCount(), busy);
    QFile loadavg("/proc/loadavg");
    if (loadavg.open(QIODevice::ReadOnly))
        std::printf("Machine load before the run: %s", loadavg.readAll().constData());

    CameraWindow camera(size);
    if (!camera.cam->OpenCam("Testbild", "Testton")) {
        std::printf("the test picture did not open\n");
        return 1;
    }
    const double openMs = msUntil([&] { return camera.cam->framesShown() > 0; });
    runEventLoop(1000);

    const Movie idle = recordMovie(*camera.cam, dir.filePath("idle"), 6000);
    Movie loaded;
    {
        BusyLoad load(busy);
        runEventLoop(500);
        loaded = recordMovie(*camera.cam, dir.filePath("loaded"), 6000);
    }
    runEventLoop(500);

    const double shownCpu = cpuPercent(3000);
    camera.rest(true);
    runEventLoop(300);
    const double hiddenCpu = cpuPercent(3000);
    const uint64_t shownBefore = camera.cam->framesShown();
    camera.rest(false);
    const double wakeMs = msUntil([&] { return camera.cam->framesShown() > shownBefore; });
    runEventLoop(500);

    const Foto foto = fotoAgainstEncode(*camera.cam, dir.path());

    std::printf("%-44s %10s %10s\n", "figure", "measured", "goal");
    std::printf("%-44s %9.1f%% %10s\n", "movie frames kept, idle", 100 * idle.kept, "100%");
    std::printf("%-44s %9.1f%% %10s\n", "movie frames kept, all cores but two busy",
                100 * loaded.kept, ">= 99%");
    std::printf("%-44s %8.0f MB %10s\n", "memory growth while recording under load",
                loaded.memoryMB, "bounded");
    std::printf("%-44s %7.1f ms %10s\n", "Stop until the window answers, idle", idle.stopMs,
                "<= 200 ms");
    std::printf("%-44s %7.1f ms %10s\n", "Stop until the window answers, under load", loaded.stopMs,
                "<= 200 ms");
    std::printf("%-44s %8.2f%% %10s  (shown: %.1f%%)\n", "CPU while hidden, % of one core",
                hiddenCpu, "<= 1%", shownCpu);
    std::printf("%-44s %7.1f ms %10s\n", "back from hiding to the first live frame", wakeMs,
                "<= 200 ms");
    std::printf("%-44s %7.1f ms\n", "opening to the first live frame (\"weiter\")", openMs);
    std::printf("%-44s %9.2fx %10s  (%.1f ms: picture %.2f, stamp %.2f, file %.2f; bare %.1f ms)\n",
                "foto against a bare encode of the frame", foto.total() / foto.bare, "<= 1.5x",
                foto.total(), foto.get, foto.stamp, foto.save, foto.bare);
    return 0;
}
