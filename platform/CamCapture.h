#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/FolderItem.h"
#include "platform/Picture.h"
#include "platform/RectControl.h"

// The camera control: lists the video and sound inputs, shows the live
// picture of one video input at the control's size, hands out still pictures,
// records movies (VP8 and Opus in WebM) and offers picture and sound settings
// dialogs. Besides the machine's own inputs there are always two built-in
// ones, "Testbild" (a moving test picture) and "Testton" (a quiet tone).
//
// All operations are called on the main thread. Failures are never shown: a
// source that fails or vanishes leaves the last picture on show; a movie that
// can no longer be written is finished with what it holds and reported
// through MovieFailed.
class CamCapture : public RectControl {
    Q_OBJECT
public:
    explicit CamCapture(QWidget *parent = nullptr);
    ~CamCapture() override;

    // The inputs, answered without opening anything. The lists are taken on
    // first use and kept, so an index gives the same name every time; names
    // are unique. An index outside a list gives "".
    int VideoCount();
    int SoundCount();
    QString VideoName(int i);
    QString SoundName(int i);

    // Opens the named inputs and shows their live picture at the control's
    // current size (set the size first). An unknown or empty sound name opens
    // the picture alone; an unknown video name opens nothing and gives false.
    bool OpenCam(const QString &videoName, const QString &soundName);
    // Releases the inputs (ending a recording first); the last picture stays.
    // Harmless when nothing is open.
    void CloseCam();

    // Shows the newest frame that arrived since the last call; next to free
    // when none did.
    void Reload();

    // A new 32-bit picture of the current frame at the control's size; null
    // while no frame has arrived. The depth is always 32, whatever is asked.
    // A sleeping camera is woken for it and the picture is a fresh frame.
    PicturePtr GetPicture(int deph);

    // While asleep and no movie records or is being finished, the camera's
    // source stops and no frames arrive; the last picture stays on show.
    // Waking brings the live picture back.
    void setAsleep(bool asleep);
    bool isAsleep() const;

    // Records a movie of the open inputs into the file (its name is used as
    // given, without an extension added) until StopRecord, while the picture
    // goes on. A running recording is ended first.
    void Record(const FolderItemPtr &fol);
    void Record(const QString &path);
    // Ends the movie: the recording stops at once, and the file is finished
    // (index and duration written) in the background. Harmless without a
    // recording.
    void StopRecord();
    // Waits until every ended movie file is finished, at most the limit; true
    // when all are. Closing the camera and quitting wait so.
    bool WaitForMovies(int limitMs);
    // Called when the running movie can no longer be written (its folder
    // cannot be written, the disk is full): it has been ended, and its file
    // holds what was written, with its true length.
    std::function<void()> MovieFailed;

    // The control's own picture ("Bild") and sound ("Ton") settings dialogs;
    // non-modal, changes apply at once.
    void VideoConfig();
    void AudioConfig();

    // State, for the program and its tests.
    bool isOpen() const;
    bool isRecording() const;
    // The sound input is open only while a movie records or is being finished.
    bool isSoundOpen() const;
    // Frames the pipeline delivered, and frames painted on screen.
    uint64_t framesArrived() const;
    uint64_t framesShown() const;
    // Frames of the last movie: offered by the camera while it recorded, and
    // kept in the file (fewer only when the machine could not keep up).
    uint64_t movieFramesOffered() const;
    uint64_t movieFramesKept() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
