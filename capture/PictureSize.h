#pragma once

#include <QSize>

// The camera picture of a picture-size code: 1 = 320 × 240, 2 = 640 × 480,
// 3 = 960 × 720, 4 = 1280 × 960, 5 = 1280 × 1024; an invalid size for any
// other code (the callers then keep their sizes).
QSize pictureSizeFor(int gross);
