#pragma once

#include <QColor>

// The property set that a window layout gives a button. Every button of the
// program starts from the dark look or the light look; a layout changes only
// the fields where a button differs (e.g. a red caption or round corners).
struct KnopfLook {
    QColor Farbe;
    QColor Textfarbe;
    bool Textschatten = false;
    int Size = 14;
    int Radius = 0;
    bool Bold = false;
    bool Italic = false;
    bool links = false;
    bool rechts = false;

    // Olive face, white caption with a dark outline.
    static KnopfLook dark() {
        KnopfLook look;
        look.Farbe = QColor(0x64, 0x60, 0x47);
        look.Textfarbe = QColor(0xFF, 0xFF, 0xFF);
        look.Textschatten = true;
        return look;
    }

    // Pale face, plain black caption.
    static KnopfLook light() {
        KnopfLook look;
        look.Farbe = QColor(0xAC, 0xA9, 0x8F);
        look.Textfarbe = QColor(0x00, 0x00, 0x00);
        look.Textschatten = false;
        return look;
    }
};
