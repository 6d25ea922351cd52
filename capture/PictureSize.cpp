#include "capture/PictureSize.h"

QSize pictureSizeFor(int gross) {
    switch (gross) {
        case 1:
            return QSize(320, 240);
        case 2:
            return QSize(640, 480);
        case 3:
            return QSize(960, 720);
        case 4:
            return QSize(1280, 960);
        case 5:
            return QSize(1280, 1024);
        default:
            return QSize();
    }
}
