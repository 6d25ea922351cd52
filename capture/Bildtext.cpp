#include "capture/Bildtext.h"

#include "platform/Date.h"
#include "platform/Graphics.h"

namespace Module1 {

PicturePtr Bildtext(const PicturePtr &picture) {
    if (!picture) return nullptr;
    const Date now;
    const QString text = now.LongDate() + QStringLiteral("  ") + now.ShortTime();
    // A new picture is white: the band keeps that fill. The text goes on last,
    // in the surface's default face, size and colour (black, 12 pixels).
    auto stamped = Picture::create(picture->Width(), picture->Height() + 20);
    Graphics &g = stamped->graphics();
    g.DrawPicture(picture, 0, 20);
    g.DrawString(text, 0, 20);
    return stamped;
}

}  // namespace Module1
