#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <functional>

#include "controls/KnopfLook.h"
#include "platform/Canvas.h"

// The program's push button, drawn entirely by itself: a face in Farbe with
// the gloss of the bundle picture m1, a dark outline and a centred caption.
// It keeps no state between events; each mouse event draws its look straight
// onto the control's surface:
//   rest      Paint       face, caption in Textfarbe
//   hover     MouseEnter  caption in green over the face that is there
//   pressed   MouseDown   black face, red caption
//   released  MouseUp     fresh face, green caption, then Action
//   MouseExit repaints the rest look.
// Action follows every release of a press on the button, wherever the
// pointer is by then. Keys never press it: it takes no focus.
//
// A window creates one like this:
//   auto *b = new Knopf(content(), "weiter", KnopfLook::light());
//   b->place(10, 300, 445, 30);
//   b->Action = [this] { weiter(); };
class Knopf : public Canvas {
    Q_OBJECT
public:
    // A button in the dark look without a caption.
    explicit Knopf(QWidget *parent = nullptr);
    Knopf(QWidget *parent, const QString &text, const KnopfLook &look);

    // Takes over every property of the look and repaints.
    void apply(const KnopfLook &look);

    QColor Farbe;
    // Width and height of the face's corner arcs; 0 gives square corners.
    int Radius = 0;
    // Segment look: the left or the right end of a row of buttons. The face
    // runs past the inner edge, so only the outer corners are round, and a
    // separator line marks the inner edge. Both set is the same as neither.
    bool links = false;
    bool rechts = false;
    QString Text;
    QColor Textfarbe;
    bool Italic = false;
    bool Bold = false;
    // The caption gets a dark outline.
    bool Textschatten = false;
    // Caption size in pixels.
    int Size = 14;
    // The picture drawn centred over the face (taken from Backdrop).
    PicturePtr icon;

    // Events for the window.
    std::function<void()> Action;
    std::function<void()> enter;
    std::function<void()> ex;

    // Fixed colours of the drawing.
    static QColor outlineColor() { return QColor(0x32, 0x30, 0x24); }
    static QColor hoverColor() { return QColor(0x00, 0xFF, 0x00); }
    static QColor pressedFaceColor() { return QColor(0x00, 0x00, 0x00); }
    static QColor pressedTextColor() { return QColor(0xFF, 0x00, 0x00); }

protected:
    void Paint(Graphics &g) override;
    bool MouseDown(int x, int y) override;
    void MouseUp(int x, int y) override;
    void MouseEnter() override;
    void MouseExit() override;
    // A button shown again (its window or page back on screen) shows its
    // resting look, not the look of its last release.
    void showEvent(QShowEvent *event) override;

    // A new picture of the control's size holding the face.
    PicturePtr hintergrund();
    // Draws the caption in colour c onto the control's surface.
    void textbau(const QColor &c);
    // Draws the backdrop picture centred onto the control's surface.
    void iconbau(const QColor &c);

private:
    // The face's rectangle; for a segment it runs Radius pixels past the
    // inner edge, so that only the outer corners show their arcs.
    QRect faceRect() const;
    // The background colour of the window that holds the button.
    QColor windowBackground() const;
};
