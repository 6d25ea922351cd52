#include "platform/Picture.h"

#include <utility>

#include "platform/Graphics.h"

Picture::Picture(int width, int height)
    : image(qMax(width, 1), qMax(height, 1), QImage::Format_RGB32) {
    image.fill(Qt::white);
}

// Taken by value and moved, so a caller that hands over its image lets the
// conversion work in place (or skip it when the format is already right).
Picture::Picture(QImage img) : image(std::move(img).convertToFormat(QImage::Format_RGB32)) {}

Picture::~Picture() = default;

Graphics &Picture::graphics() {
    if (!graphics_) graphics_ = std::make_unique<Graphics>(this);
    return *graphics_;
}

PicturePtr Picture::Mask(bool create) {
    if (!mask_ && create) {
        mask_ = std::make_shared<Picture>(Width(), Height());
        mask_->image.fill(Qt::black);
    }
    return mask_;
}

QImage Picture::drawable() const {
    if (!mask_ && Transparent != 1) return image;
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QImage maskImage =
        mask_ ? mask_->image.scaled(out.size()).convertToFormat(QImage::Format_RGB32) : QImage();
    for (int y = 0; y < out.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        const QRgb *maskRow =
            mask_ ? reinterpret_cast<const QRgb *>(maskImage.constScanLine(y)) : nullptr;
        for (int x = 0; x < out.width(); ++x) {
            int alpha = 255;
            if (maskRow) alpha = 255 - qGray(maskRow[x]);
            if (Transparent == 1 && (row[x] & 0xFFFFFF) == 0xFFFFFF) alpha = 0;
            row[x] = qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]), alpha);
        }
    }
    return out;
}
