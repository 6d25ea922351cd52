#include "publishing/startfenster.h"

#include "capture/HomePage.h"
#include "controls/Knopf.h"
#include "platform/Canvas.h"
#include "platform/Resources.h"
#include "platform/ShowURL.h"
#include "platform/StaticText.h"
#include "publishing/Einstellung.h"

namespace {

Window::Layout makeLayout() {
    Window::Layout l;
    l.Title = QStringLiteral("Start");
    l.Width = 765;
    l.Height = 530;
    l.FrameKind = Window::Document;
    l.PlacementKind = Window::DefaultPlacement;
    l.HasBackColor = true;
    l.BackColor = QColor(0xE6, 0xE2, 0xBE);
    l.CloseButton = true;
    l.MinimizeButton = true;
    l.Visible = true;
    return l;
}

StaticText *line(QWidget *parent, const QString &text, int left, int top, int width, int height) {
    auto *label = new StaticText(parent);
    label->place(left, top, width, height);
    label->setText(text);
    label->TextSize = 16;
    label->TextAlign = 0;
    return label;
}

}  // namespace

startfenster::startfenster() : Window(makeLayout()) {
    StaticText3 = line(content(),
                       QString::fromUtf8("Um alle Funktionen nutzen zu können, sind einige "
                                         "Einstellungen nötig. "),
                       49, 460, 678, 28);
    StaticText3->TextColor = Qt::black;

    hometext = line(content(), kHomePageUrl, 49, 421, 618, 20);
    hometext->Italic = true;
    hometext->Underline = false;
    hometext->TextColor = QColor(0x00, 0x33, 0x99);
    hometext->MouseDown = [this](int x, int y) { return hometext_MouseDown(x, y); };
    hometext->MouseUp = [this](int x, int y) { hometext_MouseUp(x, y); };

    KnopfLook look = KnopfLook::light();
    look.Size = 16;
    starteinstellung = new Knopf(content(), QString::fromUtf8("Einstellungen jetzt öffnen"), look);
    starteinstellung->place(0, 500, 765, 30);
    starteinstellung->Action = [this] { starteinstellung_Action(); };

    Canvas1 = new Canvas(content());
    Canvas1->place(13, 20, 738, 372);
    Canvas1->setBackdrop(Bild2());
}

// The press is taken, so that its release comes to the link.
bool startfenster::hometext_MouseDown(int, int) { return true; }

// Opens the address wherever the pointer is let go.
void startfenster::hometext_MouseUp(int, int) { ShowURL(hometext->Text()); }

// The start window stays in existence, hidden; the settings window is made,
// or brought to the front as the user left it.
void startfenster::starteinstellung_Action() {
    startfenster::instance().Hide();
    Einstellung::instance().Show();
}
