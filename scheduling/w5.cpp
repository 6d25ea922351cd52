#include "scheduling/w5.h"

#include <algorithm>

#include "capture/Startmodul.h"
#include "capture/Window1.h"
#include "controls/Knopf.h"
#include "controls/calCanvas_aus.h"
#include "controls/calCanvas_ein.h"
#include "platform/CheckBox.h"
#include "platform/Conversion.h"
#include "platform/EditField.h"
#include "platform/GroupBox.h"
#include "platform/PagePanel.h"
#include "platform/RadioButton.h"
#include "platform/Resources.h"
#include "platform/Scripts.h"
#include "platform/StaticText.h"
#include "platform/Timer.h"

namespace {

Window::Layout makeLayout() {
    Window::Layout l;
    l.Title = QString();
    l.Width = 370;
    l.Height = w5::calendarHeight;
    l.FrameKind = Window::Sheet;
    l.PlacementKind = Window::DefaultPlacement;
    l.HasBackColor = true;
    l.BackColor = QColor(0xE6, 0xE2, 0xBE);
    l.Visible = true;
    l.CloseButton = true;
    l.MinimizeButton = true;
    return l;
}

// Every control placed on the sheet itself keeps its distance to the bottom
// edge; controls inside a group box move with it.
template <class Control>
Control *bottomBound(Control *control) {
    control->LockBottom = true;
    return control;
}

StaticText *label(QWidget *parent, const QString &text, int left, int top, int width, int align) {
    auto *l = bottomBound(new StaticText(parent));
    l->place(left, top, width, 27);
    l->setText(text);
    l->TextSize = 14;
    l->TextAlign = align;
    l->TextColor = Qt::black;
    return l;
}

EditField *digitField(QWidget *parent, int index, int left, int top, int width, int height,
                      int textSize, const QString &mask) {
    auto *field = bottomBound(new EditField(parent));
    field->Index = index;
    field->place(left, top, width, height);
    field->setTextSize(textSize);
    field->setTextAlign(1);
    field->setBackColor(Qt::white);
    field->setTextColor(Qt::black);
    field->setMask(mask);
    return field;
}

RadioButton *radio(QWidget *parent, int index, int left, int top, int width, const QString &caption,
                   int textSize, bool selected) {
    auto *button = bottomBound(new RadioButton(parent));
    button->Index = index;
    button->place(left, top, width, 20);
    button->setCaption(caption);
    button->setTextSize(textSize);
    button->setValue(selected);
    return button;
}

GroupBox *groupBox(QWidget *parent, int left, int top, int width, int height, int textSize,
                   const QString &caption) {
    auto *box = bottomBound(new GroupBox(parent));
    box->place(left, top, width, height);
    box->setTextSize(textSize);
    box->setCaption(caption);
    return box;
}

// Minutes are shown with two digits ("05"), hours as they are ("9").
QString twoDigits(int value) {
    QString text = Str(value);
    if (text.length() < 2) text = QStringLiteral("0") + text;
    return text;
}

// The whole number in a field; an empty field or a non-number gives 0.
int number(const EditField *field) { return wholeNumber(Val(field->Text())); }

}  // namespace

w5::w5() : Window(makeLayout()) {
    GroupBox1 = groupBox(content(), 9, 25, 173, 185, 14, QStringLiteral("Ein"));
    calCanvas_ein1 = new calCanvas_ein(GroupBox1);
    calCanvas_ein1->place(25, 50, 140, 150);
    calCanvas_ein1->cellClick = [this](int cell, DatePtr d) {
        calCanvas_ein1_cellClick(cell, std::move(d));
    };

    Knopf2 = bottomBound(new Knopf(content(), QString::fromUtf8("Zurück"), KnopfLook::light()));
    Knopf2->place(0, 522, 185, 30);
    Knopf2->Action = [this] { Knopf2_Action(); };
    Knopf1 = bottomBound(new Knopf(content(), QStringLiteral("Starten"), KnopfLook::light()));
    Knopf1->place(185, 522, 185, 30);
    Knopf1->Action = [this] { Knopf1_Action(); };

    GroupBox2 = groupBox(content(), 188, 25, 173, 185, 14, QStringLiteral("Aus"));
    calCanvas_aus1 = new calCanvas_aus(GroupBox2);
    calCanvas_aus1->place(204, 50, 140, 150);
    calCanvas_aus1->cellClick = [this](int cell, DatePtr d) {
        calCanvas_aus1_cellClick(cell, std::move(d));
    };

    Kalender_ein.push_back(
        radio(content(), 0, 47, 229, 135, QStringLiteral("Kalender"), 16, false));
    Kalender_ein.push_back(
        radio(content(), 1, 47, 251, 135, QString::fromUtf8("täglich"), 16, true));
    for (RadioButton *button : Kalender_ein)
        button->Action = [this, button] { Kalender_ein_Action(button->Index); };

    buildTimeRows();
    buildActionGroup();

    Canvas1 = bottomBound(new Canvas(content()));
    Canvas1->place(244, 229, 100, 45);
    Canvas1->onPaint = [this](Graphics &g) { Canvas1_Paint(g); };
}

void w5::buildTimeRows() {
    const QString hours = QStringLiteral("##");
    tagein.push_back(digitField(content(), 0, 80, 320, 35, 23, 16, hours));
    tagein.push_back(digitField(content(), 1, 127, 320, 35, 23, 16, hours));
    StaticText1 = label(content(), QStringLiteral("alle"), 36, 356, 32, 2);
    // Created before the switch-off fields, so the keyboard focus reaches the
    // interval right after the switch-on time.
    tagoft = digitField(content(), -1, 78, 357, 57, 22, 14, QStringLiteral("####"));
    tagoft->LostFocus = [this] { tagoft_LostFocus(); };
    StaticText2 = label(content(), QStringLiteral("Minuten"), 141, 356, 54, 0);
    StaticText3 = label(content(), QStringLiteral("von"), 32, 318, 36, 2);
    StaticText4 = label(content(), QStringLiteral(":"), 119, 319, 5, 0);
    StaticText5 = label(content(), QStringLiteral("Uhr bis"), 166, 319, 54, 0);
    tagaus.push_back(digitField(content(), 0, 222, 321, 35, 23, 16, hours));
    tagaus.push_back(digitField(content(), 1, 269, 321, 35, 23, 16, hours));
    StaticText6 = label(content(), QStringLiteral(":"), 261, 320, 5, 0);
    StaticText7 = label(content(), QStringLiteral("Uhr"), 308, 320, 40, 0);
}

void w5::buildActionGroup() {
    GroupBox3 = groupBox(content(), 9, 393, 352, 123, 16, QString());
    RadioButton1.push_back(
        radio(GroupBox3, 0, 40, 408, 290, QStringLiteral("ein Foto in Kameraordner"), 14, true));
    RadioButton1.push_back(
        radio(GroupBox3, 1, 40, 432, 290, QStringLiteral("ein Foto als eMail"), 14, false));
    RadioButton1.push_back(radio(GroupBox3, 2, 39, 457, 290,
                                 QStringLiteral("ein neues Foto auf die Homepage"), 14, false));
    for (RadioButton *button : RadioButton1)
        button->Action = [this, button] { RadioButton1_Action(button->Index); };

    // The box rides in its group box and is not bound to the bottom edge.
    protokol = new CheckBox(GroupBox3);
    protokol->place(61, 484, 268, 20);
    protokol->setCaption(QStringLiteral("Protokol in Benutzer/Vidolin"));
    // Ticked on every new sheet without touching Startmodul::pr: the value is
    // set before the click handler is bound.
    protokol->setValue(true);
    protokol->setEnabled(false);
    protokol->Action = [this] { protokol_Action(); };
}

void w5::Event_Open() {
    Date d;
    d.setMinute(d.Minute() + 1);
    int h = d.Hour();
    const int m = d.Minute();
    tagein[0]->setText(Str(h));
    tagein[1]->setText(twoDigits(m));
    h = h + 1;
    if (h > 23) h = 0;
    tagaus[0]->setText(Str(h));
    tagaus[1]->setText(twoDigits(m));
    tagoft->setText(QStringLiteral("10"));
    setHeight(dailyHeight);
}

void w5::calCanvas_ein1_cellClick(int, DatePtr d) {
    if (!d) d = Date::now();
    Startmodul::d_ein = d;
    GroupBox1->setCaption(QStringLiteral("Ein      ") + Startmodul::d_ein->ShortDate());
}

void w5::calCanvas_aus1_cellClick(int, DatePtr d) {
    if (!d) {
        d = Date::now();
        d->setHour(d->Hour() + 1);
    }
    Startmodul::d_aus = d;
    GroupBox2->setCaption(QStringLiteral("Aus      ") + Startmodul::d_aus->ShortDate());
}

void w5::Knopf2_Action() { Hide(); }

void w5::Knopf1_Action() {
    Window1 &panel = Window1::instance();
    // The status page takes the place of the movie page and its "Stop": a
    // movie that records ends first, finished as that "Stop" finishes it.
    panel.stopMovie();
    Startmodul::t_ein_h = number(tagein[0]);
    Startmodul::t_ein_m = number(tagein[1]);
    Startmodul::t_aus_h = number(tagaus[0]);
    Startmodul::t_aus_m = number(tagaus[1]);
    // An interval of 0, typed and not yet left, would repeat the action on
    // every pass of the event loop; the schedule gets at least one minute.
    Startmodul::t_oft = std::max(1, number(tagoft));
    if (RadioButton1[0]->Value()) Startmodul::t_was = 1;
    if (RadioButton1[1]->Value()) Startmodul::t_was = 2;
    if (RadioButton1[2]->Value()) Startmodul::t_was = 3;
    Startmodul::q = 0;
    if (Startmodul::t_was == 3 && Startmodul::pr) Startmodul::pordner();
    Close();
    panel.t_timer->setMode(2);
    panel.PagePanel1->setValue(2);
}

void w5::Kalender_ein_Action(int index) {
    if (index == 1) setHeight(dailyHeight);
    if (index == 0) setHeight(calendarHeight);
    Refresh(true);
}

void w5::tagoft_LostFocus() {
    const int v = number(tagoft);
    if (v < 1) tagoft->setText(QStringLiteral("1"));
    if (v > 1000) tagoft->setText(QStringLiteral("1000"));
}

void w5::RadioButton1_Action(int index) {
    if (index == 1) mail_starten();
    protokol->setEnabled(index == 2);
}

void w5::protokol_Action() { Startmodul::pr = protokol->Value(); }

void w5::Canvas1_Paint(Graphics &g) { g.DrawPicture(Bild3(), 0, 0, 100, 45, 0, 0, 200, 90); }
