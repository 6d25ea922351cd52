#include "capture/Bildtext.h"

#include <cstring>

#include "platform/Date.h"
#include "platform/Graphics.h"

namespace Module1 {

namespace {

// The last stamped picture. Once nobody else holds it, its pixels serve the
// next one: pictures are stamped one after another, each as large as the last.
PicturePtr lastStamped;

QImage stampMemory(QSize size) {
    QImage memory;
    if (lastStamped && lastStamped.use_count() == 1 && lastStamped->image.size() == size &&
        lastStamped->image.isDetached())
        memory = std::move(lastStamped->image);
    lastStamped.reset();
    return memory.isNull() ? QImage(size, QImage::Format_RGB32) : memory;
}

}  // namespace

PicturePtr Bildtext(const PicturePtr &picture) {
    if (!picture) return nullptr;
    const Date now;
    const QString text = now.LongDate() + QStringLiteral("  ") + now.ShortTime();
    auto stamped =
        std::make_shared<Picture>(stampMemory(QSize(picture->Width(), picture->Height() + 20)));
    QImage &pixels = stamped->image;
    // The band is white, and so is what a picture with transparent parts lets through.
    const bool seeThrough = picture->hasMask() || picture->Transparent == 1;
    const int whiteRows = seeThrough ? pixels.height() : 20;
    for (int y = 0; y < whiteRows; ++y)
        std::memset(pixels.scanLine(y), 0xFF, pixels.bytesPerLine());
    // The picture is copied once, straight into the stamped one; one with
    // transparent parts is drawn over the white. The text goes on last, in the
    // surface's default face, size and colour (black, 12 pixels).
    Graphics &g = stamped->graphics();
    if (seeThrough) {
        g.DrawPicture(picture, 0, 20);
    } else {
        const QImage &source = picture->image;
        const qsizetype rowBytes = qsizetype(source.width()) * 4;
        for (int y = 0; y < source.height(); ++y)
            std::memcpy(pixels.scanLine(y + 20), source.constScanLine(y), rowBytes);
    }
    g.DrawString(text, 0, 20);
    lastStamped = stamped;
    return stamped;
}

}  // namespace Module1
