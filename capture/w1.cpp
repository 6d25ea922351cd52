#include "capture/w1.h"

#include "capture/HomePage.h"
#include "capture/Startmodul.h"
#include "capture/w2.h"
#include "controls/Knopf.h"
#include "platform/Application.h"
#include "platform/CamCapture.h"
#include "platform/Canvas.h"
#include "platform/GroupBox.h"
#include "platform/RadioButton.h"
#include "platform/Resources.h"
#include "platform/Scripts.h"
#include "platform/StaticText.h"

namespace {

Window::Layout makeLayout() {
    Window::Layout l;
    l.Title = QStringLiteral("Vidolin");
    l.Width = 445;
    l.Height = 439;
    l.FrameKind = Window::Document;
    l.PlacementKind = Window::CentredOnScreen;
    l.HasBackColor = true;
    l.BackColor = QColor(0xE6, 0xE2, 0xBE);
    l.CloseButton = true;
    l.MinimizeButton = false;
    l.Visible = true;
    return l;
}

RadioButton *radio(QWidget *parent, int index, int left, int top, int width, bool selected) {
    auto *button = new RadioButton(parent);
    button->Index = index;
    button->place(left, top, width, 20);
    button->setCaption(QStringLiteral("Ohne Titel"));
    button->setTextSize(14);
    button->setValue(selected);
    button->setVisible(false);
    return button;
}

}  // namespace

w1::w1() : Window(makeLayout()) {
    GroupBox1 = new GroupBox(content());
    GroupBox1->place(20, 125, 405, 118);
    GroupBox1->setCaption(QStringLiteral("Videoeingang"));
    GroupBox1->setTextSize(14);
    const int videoTops[] = {152, 172, 192, 212};
    const int videoWidths[] = {387, 387, 386, 386};
    const int videoLefts[] = {29, 29, 30, 29};
    for (int i = 0; i < 4; ++i)
        v.push_back(radio(GroupBox1, i, videoLefts[i], videoTops[i], videoWidths[i], i == 0));

    GroupBox2 = new GroupBox(content());
    GroupBox2->place(22, 255, 403, 141);
    GroupBox2->setCaption(QStringLiteral("Toneingang"));
    GroupBox2->setTextSize(14);
    for (int i = 0; i < 5; ++i) t.push_back(radio(GroupBox2, i, 29, 283 + 20 * i, 387, i == 1));

    Knopf1 = new Knopf(content(), QStringLiteral("weiter"), KnopfLook::light());
    Knopf1->place(0, 409, 445, 30);
    Knopf1->Action = [this] { Knopf1_Action(); };

    // Lists the inputs; it is never opened.
    cam1 = new CamCapture(content());
    cam1->place(20, 96, 20, 19);
    cam1->Close = [this] { cam1_Close(); };

    StaticText2 = new StaticText(content());
    StaticText2->place(20, 14, 143, 20);
    StaticText2->setText(kHomePageAddress);
    StaticText2->TextSize = 12;
    StaticText2->TextColor = QColor(0x76, 0x74, 0x5F);

    Canvas1 = new Canvas(content());
    Canvas1->place(216, 25, 200, 90);
    Canvas1->setBackdrop(Bild3());
}

void w1::Event_Open() {
    // The window has four video and five sound buttons: further inputs are
    // not shown. The selection stays at its default, also where that button
    // stays hidden.
    const int n = cam1->VideoCount();
    for (int i = 0; i < n && i < static_cast<int>(v.size()); ++i) {
        v[i]->setCaption(cam1->VideoName(i));
        v[i]->setVisible(true);
    }
    const int m = cam1->SoundCount();
    for (int i = 0; i < m && i < static_cast<int>(t.size()); ++i) {
        t[i]->setCaption(cam1->SoundName(i));
        t[i]->setVisible(true);
    }
}

void w1::Knopf1_Action() {
    for (int i = 0; i < 4; ++i)
        if (v[i]->Value()) Startmodul::bildname = cam1->VideoName(i);
    for (int i = 0; i < 5; ++i)
        if (t[i]->Value()) Startmodul::tonname = cam1->SoundName(i);
    cam1->CloseCam();
    micro_aus();
    w2::instance().Show();
    Hide();
}

void w1::cam1_Close() { cam1->CloseCam(); }

// Closing the input choice before "weiter" ends the program.
void w1::Event_Close() { Quit(); }
