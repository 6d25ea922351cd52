#include "platform/CamCapture.h"

#include <gst/video/video.h>

#include <QCoreApplication>
#include <QPainter>
#include <QThread>

#include <chrono>

#include "platform/camera/CamCaptureImpl.h"
#include "platform/camera/RaceCheck.h"

namespace {

const QString kTestPicture = QStringLiteral("Testbild");
const QString kTestSound = QStringLiteral("Testton");
// The picture size used when the control has none yet.
const QSize kFallbackSize(320, 240);
// The longest wait for a woken camera's first frame (a real camera may take a while).
constexpr auto kWakeTimeout = std::chrono::seconds(5);
// Closing the camera waits for its movies; each is finished within its own bound.
constexpr int kCloseWaitMs = 60000;

void ensureGst() {
    if (!gst_is_initialized()) gst_init(nullptr, nullptr);
}

// Keeps a sample's buffer mapped for as long as a QImage shows it.
struct MappedFrame {
    GstVideoFrame frame;
    GstSample *sample;
};

void releaseMappedFrame(void *data) {
    auto *m = static_cast<MappedFrame *>(data);
    gst_video_frame_unmap(&m->frame);
    gst_sample_unref(m->sample);
    delete m;
}

// The sample's picture as a QImage on the buffer itself (no copy), honouring the stride.
QImage wrapSample(GstRef<GstSample> sample) {
    GstVideoInfo vi;
    GstCaps *caps = gst_sample_get_caps(sample.get());
    GstBuffer *buf = gst_sample_get_buffer(sample.get());
    if (!caps || !buf || !gst_video_info_from_caps(&vi, caps) ||
        GST_VIDEO_INFO_FORMAT(&vi) != GST_VIDEO_FORMAT_BGRx)
        return QImage();
    auto *m = new MappedFrame{{}, sample.get()};
    if (!gst_video_frame_map(&m->frame, &vi, buf, GST_MAP_READ)) {
        delete m;
        return QImage();
    }
    sample.take();  // now held by the mapping
    return QImage(static_cast<const uchar *>(GST_VIDEO_FRAME_PLANE_DATA(&m->frame, 0)),
                  GST_VIDEO_FRAME_WIDTH(&m->frame), GST_VIDEO_FRAME_HEIGHT(&m->frame),
                  GST_VIDEO_FRAME_PLANE_STRIDE(&m->frame, 0), QImage::Format_RGB32,
                  releaseMappedFrame, m);
}

}  // namespace

CamCapture::Impl::Impl(CamCapture *control) : q(control), recorder(control) {
    recorder.onFailed = [this] {
        applySleep();
        if (q->MovieFailed) q->MovieFailed();
    };
    recorder.onFinished = [this] { applySleep(); };
}

CamCapture::Impl::~Impl() {
    freeInputs(videos);
    freeInputs(sounds);
}

void CamCapture::Impl::ensureListed() {
    if (listed) return;
    ensureGst();
    videos = listInputs("Video/Source", kTestPicture, BuiltInPlace::Last);
    // The test tone first, so that the program's preselected second entry is
    // the system's default microphone.
    sounds = listInputs("Audio/Source", kTestSound, BuiltInPlace::First);
    listed = true;
}

void CamCapture::Impl::relist() {
    freeInputs(videos);
    freeInputs(sounds);
    listed = false;
    ensureListed();
}

GstBusSyncReply CamCapture::Impl::onBusMessage(GstBus *, GstMessage *msg, gpointer data) {
    const RaceCheck::StreamingScope streaming;
    auto *d = static_cast<Impl *>(data);
    // Runs on whichever thread posts; everything is dropped here, as nothing
    // reads the bus otherwise. A dropped message is the handler's to free: a
    // kept one would hold its source, and with it the whole pipeline.
    const GstRef<GstMessage> dropped{msg};
    if (d->recorder.handleMessage(msg) || GST_MESSAGE_TYPE(msg) != GST_MESSAGE_ERROR)
        return GST_BUS_DROP;
    const int gen = d->generation.load();
    CamCapture *q = d->q;
    // Handled on the main thread; a failure is never shown. Closing ends a
    // recording cleanly and keeps the last picture.
    RaceCheck::postUnrecorded([&] {
        QMetaObject::invokeMethod(
            q,
            [q, gen] {
                if (q->d->generation == gen && q->d->live) q->CloseCam();
            },
            Qt::QueuedConnection);
    });
    return GST_BUS_DROP;
}

bool CamCapture::Impl::open(const Input &video, QSize size) {
    ++generation;
    live = LivePipeline::open(video, size, &frames, &Impl::onBusMessage, this);
    return live != nullptr;
}

void CamCapture::Impl::close() {
    recorder.stop();
    recorder.waitFinished(kCloseWaitMs);
    live.reset();
    ++generation;
    frames.drop();
    // The last picture stays on show, but as a copy: the camera's buffers go back to it.
    if (!frame.isNull()) frame = frame.copy();
}

bool CamCapture::Impl::takeNewest() {
    GstRef<GstSample> sample = frames.takeNew();
    if (!sample) return false;
    QImage image = wrapSample(std::move(sample));
    if (image.isNull()) return false;
    frame = image;
    ++frameId;
    return true;
}

void CamCapture::Impl::applySleep() {
    if (live) live->setSleeping(wantAsleep && !recorder.busy());
}

bool CamCapture::Impl::wakeForFreshFrame() {
    live->setSleeping(false);
    const uint64_t before = frames.arrived();
    const auto until = std::chrono::steady_clock::now() + kWakeTimeout;
    while (frames.arrived() == before && std::chrono::steady_clock::now() < until)
        QThread::msleep(2);
    const bool fresh = takeNewest();
    applySleep();
    return fresh;
}

CamCapture::CamCapture(QWidget *parent) : RectControl(parent), d(std::make_unique<Impl>(this)) {
    ensureGst();
    // Quitting must not leave an unfinished movie, even if the control outlives the event loop.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] {
            StopRecord();
            WaitForMovies(kCloseWaitMs);
        });
}

CamCapture::~CamCapture() { CloseCam(); }

int CamCapture::VideoCount() {
    d->ensureListed();
    return int(d->videos.size());
}

int CamCapture::SoundCount() {
    d->ensureListed();
    return int(d->sounds.size());
}

QString CamCapture::VideoName(int i) {
    d->ensureListed();
    return i >= 0 && i < int(d->videos.size()) ? d->videos[i].name : QString();
}

QString CamCapture::SoundName(int i) {
    d->ensureListed();
    return i >= 0 && i < int(d->sounds.size()) ? d->sounds[i].name : QString();
}

bool CamCapture::OpenCam(const QString &videoName, const QString &soundName) {
    CloseCam();
    // Asked afresh: a camera plugged in since the lists were taken can be opened.
    d->relist();
    const Input *video = findInput(d->videos, videoName);
    if (!video) return false;
    d->sound = findInput(d->sounds, soundName);
    const bool ok = d->open(*video, size().isEmpty() ? kFallbackSize : size());
    if (ok) {
        setAttribute(Qt::WA_OpaquePaintEvent, true);
        d->applySleep();
    }
    update();
    return ok;
}

void CamCapture::CloseCam() {
    if (!d->live) return;
    if (d->videoDialog) delete d->videoDialog.data();  // its sliders act on this pipeline
    d->close();
}

void CamCapture::Reload() {
    if (d->takeNewest()) update();
}

PicturePtr CamCapture::GetPicture(int) {
    if (d->live && d->live->sleeping())
        d->wakeForFreshFrame();
    else
        Reload();
    if (d->frame.isNull()) return nullptr;
    const QSize want = size().isEmpty() ? d->frame.size() : size();
    // The picture shares the frame's pixels; whoever draws on it gets a copy
    // of their own then.
    if (d->frame.size() == want) return std::make_shared<Picture>(d->frame);
    return std::make_shared<Picture>(
        d->frame.scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void CamCapture::setAsleep(bool asleep) {
    d->wantAsleep = asleep;
    d->applySleep();
}

bool CamCapture::isAsleep() const { return d->live && d->live->sleeping(); }

void CamCapture::Record(const FolderItemPtr &fol) {
    if (fol) Record(fol->path());
}

void CamCapture::Record(const QString &path) {
    if (!d->live || path.isEmpty()) return;
    d->recorder.stop();
    d->live->setSleeping(false);
    const bool started = d->recorder.start(*d->live, path, {d->sound, d->soundLevel, d->muted});
    d->applySleep();
    // Reported from the event loop, after the caller has finished starting the movie.
    if (!started)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (MovieFailed) MovieFailed();
            },
            Qt::QueuedConnection);
}

void CamCapture::StopRecord() { d->recorder.stop(); }

bool CamCapture::WaitForMovies(int limitMs) { return d->recorder.waitFinished(limitMs); }

bool CamCapture::isOpen() const { return d->live != nullptr; }
bool CamCapture::isRecording() const { return d->recorder.recording(); }
bool CamCapture::isSoundOpen() const { return d->recorder.soundOpen(); }
uint64_t CamCapture::framesArrived() const { return d->frames.arrived(); }
uint64_t CamCapture::framesShown() const { return d->shown; }
uint64_t CamCapture::movieFramesOffered() const { return d->recorder.framesOffered(); }
uint64_t CamCapture::movieFramesKept() const { return d->recorder.framesKept(); }

void CamCapture::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (d->frame.isNull()) {
        if (d->live) p.fillRect(rect(), Qt::black);  // open, no frame yet
        return;
    }
    if (d->frame.size() == size())
        p.drawImage(0, 0, d->frame);
    else
        p.drawImage(rect(), d->frame);
    if (d->paintedId != d->frameId) {
        d->paintedId = d->frameId;
        ++d->shown;
    }
}
