#pragma once

#include <functional>

#include "platform/Picture.h"

// A new 32-bit picture of the live camera's current frame, taken from the
// camera window's control (which is opened when no camera window exists).
// Null while the camera has given no frame.
PicturePtr cameraPicture();

namespace CameraPicture {
// Tests of the picture procedures put a picture source of their own in place
// of the camera window; an empty function goes back to the camera.
void setSourceForTesting(std::function<PicturePtr()> source);
}  // namespace CameraPicture
