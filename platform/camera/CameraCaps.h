#pragma once

#include <gst/gst.h>

#include <QSize>
#include <QString>

#include "platform/camera/GstRef.h"

// Frame rate of the test picture, and the most the program asks of a camera.
constexpr int kTestFps = 30;

// The caps to ask a camera for: its best mode for the picture, at up to the
// test picture's rate where it offers that; *media tells whether the mode is
// raw or JPEG. Empty when nothing fits (the source then negotiates on its own).
GstRef<GstCaps> cameraModeCaps(GstDevice *device, QSize target, QString *media);

// The test picture's own caps: 32 bits at the picture's size and the test rate.
GstRef<GstCaps> testPictureCaps(QSize size);

// The picture as it leaves the conversion: 32-bit BGRx (QImage::Format_RGB32
// in memory) at the control's size, square pixels.
GstRef<GstCaps> pictureCaps(QSize size);
