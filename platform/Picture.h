#pragma once

#include <QColor>
#include <QImage>

#include <functional>
#include <memory>

class Graphics;
class Picture;
// Pictures are shared objects, as callers pass them around and cache them.
using PicturePtr = std::shared_ptr<Picture>;

// A 32-bit picture with an optional grey-level mask. The mask gives each
// pixel its opacity when the picture is drawn: black opaque, white fully
// transparent, grey levels in between.
class Picture {
public:
    // A new picture, filled white.
    Picture(int width, int height);
    explicit Picture(QImage image);
    ~Picture();

    static PicturePtr create(int width, int height) {
        return std::make_shared<Picture>(width, height);
    }

    int Width() const { return image.width(); }
    int Height() const { return image.height(); }

    // The drawing surface of the picture; the same object on every call, so
    // its settings (colour, text size) stay between uses.
    Graphics &graphics();

    // The mask picture; with create true it is made (all black: fully opaque)
    // when there is none. Without a mask and with create false: null.
    PicturePtr Mask(bool create = true);
    bool hasMask() const { return mask_ != nullptr; }

    // 1: white pixels are drawn transparent; 0: every pixel is drawn.
    int Transparent = 0;

    // The picture as it is drawn onto another surface: with the mask and
    // the transparency applied as alpha.
    QImage drawable() const;

    // Pixels, Format_RGB32.
    QImage image;

    // Called after every drawing operation on the picture (used by controls
    // whose surface is a picture, to repaint).
    std::function<void()> changed;

private:
    std::unique_ptr<Graphics> graphics_;
    PicturePtr mask_;
};
