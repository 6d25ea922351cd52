#pragma once

#include "platform/Picture.h"

namespace Module1 {

// The stamped copy of a picture: 20 pixels higher, a white band on top with
// the long date, two blanks and the short time, the picture unchanged below.
// Null for no picture.
PicturePtr Bildtext(const PicturePtr &picture);

}  // namespace Module1
