// Camera control benchmark: runs the live test picture (30 frames per second)
// at each of the program's five picture sizes in a shown window, driven by the
// camera window's timer (period 0), and prints per size:
//   shown/s      frames painted per second, against the frames the source delivered
//   cpu/frame    process CPU time per shown frame (all threads, GStreamer's included)
//   cpu          process CPU use while showing, in % of one core
//   GetPicture   mean and worst time of one GetPicture(32)
//   covered      CPU use with another window over the picture, source running
//   unchanged    CPU use while no new frame arrives (camera closed, last picture
//                on show, timer still calling Reload)
//   recording    frames shown per second while a movie records
// Run it under a display, e.g. xvfb-run (see run-benchmarks.sh).

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPalette>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <time.h>

#include <cstdio>
#include <memory>

#include "bench/BenchClock.h"
#include "platform/CamCapture.h"
#include "platform/Timer.h"

namespace {

struct Span {
    double wall = 0, cpu = 0;
    uint64_t arrived = 0, shown = 0;
};

// Measures the process while the event loop runs for ms milliseconds.
Span measure(const CamCapture &cam, int ms) {
    const uint64_t a0 = cam.framesArrived(), s0 = cam.framesShown();
    const double c0 = cpuSeconds();
    QElapsedTimer t;
    t.start();
    runEventLoop(ms);
    Span s;
    s.wall = t.nsecsElapsed() / 1e9;
    s.cpu = cpuSeconds() - c0;
    s.arrived = cam.framesArrived() - a0;
    s.shown = cam.framesShown() - s0;
    return s;
}

}  // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const QSize sizes[] = {{320, 240}, {640, 480}, {960, 720}, {1280, 960}, {1280, 1024}};
    const int measureMs = 4000;
    QTemporaryDir movies;

    std::printf("Camera control, \"Testbild\" at 30 frames/s, platform %s, Reload every %d ms\n",
                qPrintable(QGuiApplication::platformName()), Timer::frameInterval());
    std::printf("%-10s %15s %10s %7s %16s %8s %10s %10s\n", "size", "shown/s (src)", "cpu/frame",
                "cpu", "GetPicture ms", "covered", "unchanged", "recording");

    for (const QSize size : sizes) {
        // The camera window: the picture at (5, 5), 10 pixels more each way.
        QWidget window;
        window.setWindowTitle("Vidolin");
        window.resize(size + QSize(10, 10));
        window.move(0, 0);
        auto *cam = new CamCapture(&window);
        cam->setGeometry(5, 5, size.width(), size.height());
        Timer runner(&window, 0, 2);
        runner.Action = [cam] { cam->Reload(); };
        window.show();
        runEventLoop(300);

        if (!cam->OpenCam("Testbild", "")) {
            std::printf("%dx%d: the test picture did not open\n", size.width(), size.height());
            return 1;
        }
        runEventLoop(1500);  // settle
        const Span live = measure(*cam, measureMs);

        // GetPicture: a full copy of the current frame.
        double total = 0, worst = 0;
        const int calls = 40;
        for (int i = 0; i < calls; ++i) {
            QElapsedTimer t;
            t.start();
            PicturePtr p = cam->GetPicture(32);
            const double ms = t.nsecsElapsed() / 1e6;
            if (!p) std::printf("GetPicture gave no picture\n");
            total += ms;
            worst = std::max(worst, ms);
            runEventLoop(5);
        }

        // Covered: another window over the whole picture.
        QWidget cover;
        cover.setAutoFillBackground(true);
        cover.setGeometry(window.geometry().adjusted(-20, -20, 20, 20));
        cover.show();
        cover.raise();
        runEventLoop(500);
        const Span covered = measure(*cam, 2000);
        cover.hide();

        // Recording a movie while the picture goes on.
        cam->Record(movies.filePath(QString("Film%1").arg(size.width())));
        runEventLoop(500);
        const Span recording = measure(*cam, 2000);
        cam->StopRecord();

        // Unchanged: no new frames; the timer keeps calling Reload.
        cam->CloseCam();
        runEventLoop(500);
        const Span unchanged = measure(*cam, 2000);

        std::printf(
            "%4dx%-5d %7.1f (%5.1f) %7.2f ms %6.1f%% %7.2f / %6.2f %7.1f%% %9.2f%% %7.1f/s\n",
            size.width(), size.height(), live.shown / live.wall, live.arrived / live.wall,
            live.shown ? live.cpu * 1000 / live.shown : 0.0, 100 * live.cpu / live.wall,
            total / calls, worst, 100 * covered.cpu / covered.wall,
            100 * unchanged.cpu / unchanged.wall, recording.shown / recording.wall);
        std::fflush(stdout);
    }
    std::printf(
        "Targets: every source frame shown at every size; unchanged < 2%% of one core;\n"
        "GetPicture at 1280x1024 < 5 ms.\n");
    return 0;
}
