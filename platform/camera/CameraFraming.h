#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

// One picture mode a camera offers: its media type ("video/x-raw",
// "image/jpeg"), size and highest frame rate.
struct CameraMode {
    QString media;
    int width = 0;
    int height = 0;
    double fps = 0;
};

// How a camera picture is fitted to the control: which mode to ask the camera
// for, and which part of its picture to keep so that the picture fills the
// control with the camera's proportions (the excess cropped at the edges).
class CameraFraming {
public:
    // The index of the mode to ask for a picture of the target size, -1 when
    // there is none. Preferred: a mode at least as large as the target, then a
    // fluid frame rate, then the smallest such size (the least work), then
    // uncompressed pictures. Without a large enough mode, the largest one.
    static int chooseMode(const std::vector<CameraMode> &modes, QSize target);

    // The centred part of a source picture (in source pixels, with the given
    // pixel aspect ratio) that has the target's proportions. Edges are even,
    // as subsampled colour formats need.
    static QRect cropFor(QSize source, int parN, int parD, QSize target);
};
