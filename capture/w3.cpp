#include "capture/w3.h"

#include "capture/Window1.h"
#include "capture/w2.h"
#include "controls/Knopf.h"
#include "platform/GroupBox.h"
#include "platform/RadioButton.h"

namespace {
Window::Layout makeLayout() {
    Window::Layout l;
    l.Title = QStringLiteral("Ohne Titel");
    l.Width = 230;
    l.Height = 230;
    l.FrameKind = Window::Sheet;
    l.PlacementKind = Window::DefaultPlacement;
    l.HasBackColor = true;
    l.BackColor = QColor(0xE6, 0xE2, 0xBE);
    l.Visible = true;
    return l;
}
}  // namespace

w3::w3() : Window(makeLayout()) {
    GroupBox1 = new GroupBox(content());
    GroupBox1->place(20, 20, 187, 155);
    GroupBox1->setCaption(QString::fromUtf8("Größe in Pixel"));
    GroupBox1->setTextSize(14);
    const char *captions[] = {"  320 X 240", "  640 X 480", "  960 X 720", " 1280 X 960",
                              " 1280 X 1024"};
    const int tops[] = {53, 74, 93, 113, 133};
    for (int i = 0; i < 5; ++i) {
        auto *button = new RadioButton(GroupBox1);
        button->Index = i;
        button->place(47, tops[i], 133, 20);
        button->setCaption(QString::fromLatin1(captions[i]));
        button->setTextSize(14);
        button->setValue(i == 2);
        button->Action = [this, i] { RadioButton1_Action(i); };
        RadioButton1.push_back(button);
    }

    Knopf1 = new Knopf(content(), QString::fromUtf8("Schließen"), KnopfLook::light());
    Knopf1->place(0, 200, 230, 30);
    Knopf1->Action = [this] { Knopf1_Action(); };
}

void w3::RadioButton1_Action(int index) { Window1::instance().gross = index + 1; }

void w3::Knopf1_Action() {
    Hide();
    w2::instance().Show();
}
