#include "capture/Window1.h"

#include "capture/MenuBar1.h"
#include "capture/Startmodul.h"
#include "capture/ausfenster.h"
#include "capture/w1.h"
#include "capture/w2.h"
#include "capture/w3.h"
#include "controls/Knopf.h"
#include "platform/Application.h"
#include "platform/CamCapture.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/Conversion.h"
#include "platform/Date.h"
#include "platform/PagePanel.h"
#include "platform/Rectangle.h"
#include "platform/Resources.h"
#include "platform/Screen.h"
#include "platform/Scripts.h"
#include "platform/SpecialFolder.h"
#include "platform/StaticText.h"
#include "platform/Timer.h"
#include "publishing/Preferences.h"
#include "publishing/hilfefenster.h"
#include "scheduling/ScheduleAction.h"
#include "scheduling/ScheduleClock.h"
#include "scheduling/StatusPage.h"
#include "scheduling/w5.h"

namespace {

Window::Layout makeLayout() {
    Window::Layout l;
    l.Title = QStringLiteral("Kamera");
    l.Width = 130;
    l.Height = 262;
    l.FrameKind = Window::PlainBox;
    l.PlacementKind = Window::DefaultPlacement;
    l.HasBackColor = true;
    l.BackColor = Qt::white;
    l.Visible = false;
    return l;
}

Knopf *panelButton(QWidget *page, const QString &caption, int index, int left, int top,
                   const QColor &textColour = Qt::white) {
    KnopfLook look = KnopfLook::dark();
    look.Textfarbe = textColour;
    auto *button = new Knopf(page, caption, look);
    button->Index = index;
    button->place(left, top, 100, 30);
    return button;
}

StaticText *panelText(QWidget *parent, const QString &text, int left, int top, int width,
                      int height, int size, int align) {
    auto *label = new StaticText(parent);
    label->place(left, top, width, height);
    label->setText(text);
    label->TextSize = size;
    label->TextAlign = align;
    label->TextColor = Qt::black;
    return label;
}

// The dated name of the picture folder at quit; when a folder of that name
// exists already (two runs ending in the same minute), " (2)", " (3)", ...
// is added, so no folder of an earlier run is touched.
QString freeFolderName(const FolderItemPtr &parent, const QString &name) {
    QString candidate = name;
    for (int n = 2; parent && parent->Child(candidate)->Exists(); ++n)
        candidate = name + QStringLiteral(" (") + Str(n) + QStringLiteral(")");
    return candidate;
}

}  // namespace

Window1::Window1() : Window(makeLayout()) {
    setMenuBar(&MenuBar1::instance());

    Rectangle1 = new Rectangle(content());
    Rectangle1->place(0, 0, 130, 262);
    Rectangle1->FillColor = QColor(0x8B, 0x89, 0x74);
    Rectangle1->BorderWidth = 5;
    Rectangle1->TopLeftColor = QColor(0xAC, 0xA9, 0x8F);
    Rectangle1->BottomRightColor = QColor(0x76, 0x74, 0x5F);

    PagePanel1 = new PagePanel(Rectangle1, 3);
    PagePanel1->place(8, 42, 114, 213);
    PagePanel1->Change = [this] { PagePanel1_Change(); };

    QWidget *buttons = PagePanel1->page(0);
    const QString sizes[] = {QString::fromUtf8("Größe"), QStringLiteral("Bild"),
                             QStringLiteral("Ton")};
    for (int i = 0; i < 3; ++i) {
        Knopf *button = panelButton(buttons, sizes[i], i, 15, 54 + 30 * i);
        button->Action = [this, i] { Knopf1_Action(i); };
        Knopf1.push_back(button);
    }
    Knopf2_1 = panelButton(buttons, QStringLiteral("Zeit"), 1, 14, 153);
    Knopf2_1->Action = [this] { Knopf2_Action(1); };
    const QString recording[] = {QStringLiteral("Film"), QStringLiteral("Foto")};
    for (int i = 0; i < 2; ++i) {
        Knopf *button = panelButton(buttons, recording[i], i, 15, 190 + 30 * i);
        button->Action = [this, i] { Knopf3_Action(i); };
        Knopf3.push_back(button);
    }

    QWidget *moviePage = PagePanel1->page(1);
    stop = panelButton(moviePage, QStringLiteral("Stop"), -1, 15, 220, Qt::red);
    stop->Action = [this] { stop_Action(); };
    stoptext = panelText(moviePage, QString::fromUtf8("Film läuft"), 15, 133, 100, 20, 14, 1);

    QWidget *statusPage = PagePanel1->page(2);
    stop1 = panelButton(statusPage, QStringLiteral("Stop"), -1, 15, 220, Qt::red);
    stop1->Action = [this] { stop1_Action(); };
    const int tops[] = {45, 65, 85, 115, 135, 155};
    for (int i = 0; i < 6; ++i) {
        StaticText *line = panelText(statusPage, QStringLiteral("."), 15, tops[i], 100, 20, 14, 0);
        line->Index = i;
        tschreib.push_back(line);
    }

    aus = new Canvas(Rectangle1);
    aus->setBackdrop(rot());
    aus->place(6, 6, 15, 15);
    aus->onMouseDown = [this](int x, int y) { return aus_MouseDown(x, y); };

    StaticText1 = panelText(Rectangle1, QStringLiteral("?"), 110, 11, 15, 20, 20, 0);
    StaticText1->Bold = true;
    StaticText1->TextColor = QColor(0x54, 0x52, 0x43);
    StaticText1->MouseDown = [this](int x, int y) { return StaticText1_MouseDown(x, y); };

    t_timer = new Timer(this, 1000, 0);
    t_timer->Action = [this] { t_timer_Action(); };
    t_timer1 = new Timer(this, 1000, 0);
    t_timer1->Action = [this] { t_timer1_Action(); };
}

void Window1::Event_Open() {
    gross = 3;
    w1::instance().Show();
    Startmodul::f = SpecialFolder::Desktop()->Child(QStringLiteral("Kameraordner"));
    Startmodul::f->CreateAsFolder();
    Module1::laden();
}

void Window1::PagePanel1_Change() {
    // Back on the button page, the schedule clock stops.
    if (PagePanel1->Value() == 0) {
        t_timer->setMode(0);
        ScheduleClock::stopped();
    }
    // The status page shows the schedule that has just been started, and its
    // clock looks back to this moment at its first tick.
    if (PagePanel1->Value() == 2) {
        const std::array<QString, 6> lines = StatusPage::lines();
        for (int i = 0; i < 6; ++i)
            if (!lines[i].isNull()) tschreib[i]->setText(lines[i]);
        ScheduleClock::started(Clock::now());
    }
}

void Window1::Knopf1_Action(int index) {
    if (index == 0) {
        // The camera closes while the size is chosen; "Schließen" opens a new one.
        if (w2::exists()) w2::instance().Close();
        w3::instance().ShowWithin(this, -1);
    }
    if (index == 1) w2::instance().cam->VideoConfig();
    if (index == 2) w2::instance().cam->AudioConfig();
    Refresh(true);
}

void Window1::Knopf2_Action(int index) {
    // The schedule sheet goes within the camera window, not within the panel.
    if (index == 1) w5::instance().ShowWithin(&w2::instance(), -1);
}

void Window1::Knopf3_Action(int index) {
    if (index == 0) {
        PagePanel1->setValue(1);
        zz = zz + 1;
        // A movie of an earlier run in a reused folder is never replaced.
        while (Startmodul::f->Child(QStringLiteral("Film") + Str(zz))->Exists()) ++zz;
        Startmodul::fol = Startmodul::f->Child(QStringLiteral("Film") + Str(zz));
        w2::instance().cam->Record(Startmodul::fol);
        Laut_aus();
        micro_ein();
    }
    if (index == 1) Startmodul::foto();
}

void Window1::stop_Action() {
    w2::instance().cam->StopRecord();
    PagePanel1->setValue(0);
    micro_aus();
    Laut_ein();
    Startmodul::q = 0;
    t_timer1->setMode(0);
    t_timer->setMode(0);
}

void Window1::stopMovie() {
    if (PagePanel1->Value() == 1) stop_Action();
}

void Window1::stop1_Action() {
    t_timer->setMode(0);
    t_timer1->setMode(0);
    PagePanel1->setValue(0);
}

bool Window1::aus_MouseDown(int, int) {
    w2::instance().setVisible_(false);
    setVisible_(false);
    ausfenster &restore = ausfenster::instance();
    restore.setTop(Screen(0).AvailableTop);
    restore.setLeft(Screen(0).AvailableLeft);
    restore.Show();
    return false;
}

bool Window1::StaticText1_MouseDown(int, int) {
    hilfefenster::instance().Show();
    return false;
}

void Window1::t_timer_Action() {
    const QDateTime moment = Clock::now();
    const Date now(moment);
    if (ScheduleClock::switchOnCame(now) && Startmodul::q == 0) {
        ScheduleAction::perform(ScheduleAction::When::SwitchOn);
        t_timer1->setPeriod(Startmodul::t_oft * 60000);
        t_timer1->setMode(2);
        Startmodul::q = 1;
    }
    if (ScheduleClock::switchOffCame(moment)) {
        Startmodul::q = 0;
        ScheduleAction::perform(ScheduleAction::When::SwitchOff);
        // The button page stops the schedule clock, so the switch-off acts once.
        Window1::instance().PagePanel1->setValue(0);
        t_timer1->setPeriod(1000);
        t_timer1->setMode(0);
    }
}

void Window1::t_timer1_Action() { ScheduleAction::perform(ScheduleAction::When::Repeat); }

bool Window1::Event_MouseDown(int x, int y) {
    wx = x;
    wy = y;
    return true;
}

void Window1::Event_MouseDrag(int x, int y) {
    if (x != wx || y != wy) {
        setLeft(System::MouseX() - wx);
        setTop(System::MouseY() - wy);
    }
}

// The panel is the program's main window: a close from the window manager
// quits the program in its orderly way, as "Beenden" does.
void Window1::Event_CloseRequest() { Quit(); }

void Window1::Event_Close() {
    const Date d;
    const QString name = QStringLiteral("Vidolin_") + Str(d.Day()) + QStringLiteral("-") +
                         Str(d.Month()) + QStringLiteral("-") + Str(d.Hour()) +
                         QStringLiteral("-") + Str(d.Minute());
    // A picture folder that is gone by now is left alone.
    if (!Startmodul::f || !Startmodul::f->Exists()) return;
    Startmodul::f->setName(freeFolderName(Startmodul::f->Parent(), name));
}
