#include "controls/Knopf.h"

#include "platform/Conversion.h"
#include "platform/Graphics.h"
#include "platform/Resources.h"
#include "platform/Window.h"

Knopf::Knopf(QWidget *parent) : Knopf(parent, QString(), KnopfLook::dark()) {}

Knopf::Knopf(QWidget *parent, const QString &text, const KnopfLook &look)
    : Canvas(parent), Text(text) {
    apply(look);
}

void Knopf::apply(const KnopfLook &look) {
    Farbe = look.Farbe;
    Textfarbe = look.Textfarbe;
    Textschatten = look.Textschatten;
    Size = look.Size;
    Radius = look.Radius;
    Bold = look.Bold;
    Italic = look.Italic;
    links = look.links;
    rechts = look.rechts;
    Refresh(true);
}

QRect Knopf::faceRect() const {
    const int w = Width();
    const int h = Height();
    if (links && !rechts) return QRect(0, 0, w + Radius, h);
    if (rechts && !links) return QRect(-Radius, 0, w + Radius, h);
    return QRect(0, 0, w, h);
}

QColor Knopf::windowBackground() const {
    // The window's colour, not that of a panel in between: the corners of a
    // round face show the window behind the button.
    const Window *win = window();
    return win ? win->BackColor() : QColor(Qt::white);
}

PicturePtr Knopf::hintergrund() {
    const int w = Width();
    const int h = Height();
    const QRect face = faceRect();
    const QColor back = windowBackground();

    // The face colour, made more or less opaque pixel by pixel by the gloss.
    PicturePtr colour = Picture::create(w, h);
    Graphics &c = colour->graphics();
    c.ForeColor = back;
    c.FillRect(0, 0, w, h);
    c.ForeColor = Farbe;
    c.FillRoundRect(face.x(), face.y(), face.width(), face.height(), Radius, Radius);
    // Without the gloss picture the mask stays black: a plain face.
    if (const PicturePtr gloss = m1()) {
        colour->Mask(true)->graphics().DrawPicture(gloss, 0, 0, w, h, 0, 0, gloss->Width(),
                                                   gloss->Height());
    }

    // The face colour over white, in the strength that the gloss gives.
    PicturePtr result = Picture::create(w, h);
    Graphics &r = result->graphics();
    r.ForeColor = back;
    r.FillRect(0, 0, w, h);
    r.ForeColor = QColor(0xFF, 0xFF, 0xFF);
    r.FillRoundRect(face.x(), face.y(), face.width(), face.height(), Radius, Radius);
    r.DrawPicture(colour, 0, 0);

    r.ForeColor = outlineColor();
    r.DrawRoundRect(face.x(), face.y(), face.width(), face.height(), Radius, Radius);
    if (links && !rechts) r.DrawLine(w - 1, 0, w - 1, h);
    if (rechts && !links) r.DrawLine(0, 0, 0, h);
    return result;
}

void Knopf::textbau(const QColor &c) {
    Graphics &g = graphics();
    g.Bold = Bold;
    g.Italic = Italic;
    g.TextSize = Size;
    const int y = wholeNumber(Height() / 2.0 + g.TextHeight() / 3.0);
    const int x = wholeNumber((Width() - g.StringWidth(Text)) / 2.0);
    if (Textschatten) {
        // Six of the eight neighbours; the up-right and down-left diagonals
        // are left out.
        g.ForeColor = outlineColor();
        g.DrawString(Text, x - 1, y);
        g.DrawString(Text, x - 1, y - 1);
        g.DrawString(Text, x, y - 1);
        g.DrawString(Text, x + 1, y + 1);
        g.DrawString(Text, x, y + 1);
        g.DrawString(Text, x + 1, y);
    }
    g.ForeColor = c;
    g.DrawString(Text, x, y);
}

void Knopf::iconbau(const QColor &) {
    if (!Backdrop) return;
    icon = Backdrop;
    graphics().DrawPicture(icon, wholeNumber((Width() - icon->Width()) / 2.0),
                           wholeNumber((Height() - icon->Height()) / 2.0));
}

void Knopf::Paint(Graphics &) {
    graphics().DrawPicture(hintergrund(), 0, 0);
    textbau(Textfarbe);
    iconbau(Textfarbe);
}

void Knopf::MouseEnter() {
    textbau(hoverColor());
    if (enter) enter();
}

bool Knopf::MouseDown(int, int) {
    const QRect face = faceRect();
    Graphics &g = graphics();
    g.ForeColor = pressedFaceColor();
    g.FillRoundRect(face.x(), face.y(), face.width(), face.height(), Radius, Radius);
    textbau(pressedTextColor());
    // Taking the press brings the release here, also off the button.
    return true;
}

void Knopf::MouseUp(int, int) {
    graphics().DrawPicture(hintergrund(), 0, 0);
    textbau(hoverColor());
    if (Action) Action();
}

void Knopf::showEvent(QShowEvent *event) {
    Canvas::showEvent(event);
    Refresh(true);
}

void Knopf::MouseExit() {
    Refresh(true);
    if (ex) ex();
}
